#include "config/config_data.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "config/app_error.h"
#include "config/entry_grammar.h"
#include "config/memory_entry_list.h"
#include "config_test_support.h"

namespace qm {
namespace {

using test::CrLf;
using test::kLoadDefaults;
using test::SettingsOf;

class ConfigDataTest : public ::testing::Test {
 protected:
  std::string Load(const std::string& text) {
    files.files["c.qmf"] = text;
    EXPECT_TRUE(config.LoadFromFile("c.qmf"));
    return text;
  }
  std::string Save() {
    EXPECT_TRUE(config.SaveToFile("c.qmf"));
    return files.files["c.qmf"];
  }

  test::MemoryFileStore files;
  MemoryEntryList run;
  MemoryEntryList terminate;
  TConfigData config{run, terminate, files};
};

const std::string kExample = CrLf({
    "[Quellmarch]",
    "FileVersion=1",
    "[Startup_Options]",
    "Start_with_windows=1",
    "Hide_Splashscreen=0",
    "Quit_after_activate=0",
    "Activate_onLaunch=0",
    "Start_Location=0",
    "Start_State=0",
    "[Configuration]",
    "DoubleClick_Action=0",
    "BrowseKill_DefaultChecks=0",
    "Hide_errors=0",
    "Message_Delay=150",
    "[Icons]",
    "Alternate_On_Icon=",
    "Alternate_Off_Icon=",
    "On_Tooltip=Quellmarch: Double-Click to Terminate Processes",
    "Off_Tooltip=Quellmarch: Double-Click to Run Programs",
    "[Run_Programs]",
    "0=1 C:\\Tools\\Mail\\mailer.exe {arg -check} {min}",
    "1=0 C:\\Tools\\clock.exe",
    "[Terminate_Processes]",
    "0=1 *\\MAILER.EXE {learn}",
    "1=1 C:\\GAMES\\*.EXE {harsh} {rem games}",
});

TEST_F(ConfigDataTest, ResetGivesTheValuesOfANewConfiguration) {
  Load(kExample);
  config.Message_Delay = 5;
  config.Reset();
  EXPECT_EQ(SettingsOf(config),
            "1000 150 0 0 0 0 0 [][][Quellmarch: Double-Click to Terminate Processes]"
            "[Quellmarch: Double-Click to Run Programs]");
  EXPECT_EQ(run.Count() + terminate.Count(), 0u);
}

TEST_F(ConfigDataTest, ANewFileHoldsTheSettingsAndListsInWriterOrder) {
  run.AppendStored("C:\\Tools\\Mail\\mailer.exe {arg -check} {min}", true);
  run.AppendStored("C:\\Tools\\clock.exe", false);
  terminate.AppendStored("*\\MAILER.EXE {learn}", true);
  terminate.AppendStored("C:\\GAMES\\*.EXE {harsh} {rem games}", true);
  EXPECT_EQ(Save(), kExample);
}

TEST_F(ConfigDataTest, LoadsAFullFileAndSavesItUnchanged) {
  Load(kExample);
  ASSERT_EQ(run.Count(), 2u);
  EXPECT_EQ(run.DisplayText(0), StoredToDisplay("C:\\Tools\\Mail\\mailer.exe {arg -check} {min}"));
  EXPECT_TRUE(run.Checked(0));
  EXPECT_FALSE(run.Checked(1));
  ASSERT_EQ(terminate.Count(), 2u);
  EXPECT_EQ(terminate.StoredText(1), "C:\\GAMES\\*.EXE {harsh} {rem games}");
  EXPECT_EQ(Save(), kExample) << "a load and save changes nothing";
}

TEST_F(ConfigDataTest, AMissingFileLoadsTheLoadDefaults) {
  run.AppendStored("x", true);
  config.Reset();
  EXPECT_TRUE(config.LoadFromFile("missing.qmf"));
  EXPECT_EQ(SettingsOf(config), kLoadDefaults);
  EXPECT_EQ(run.Count() + terminate.Count(), 0u);
}

TEST_F(ConfigDataTest, ReadsValueForms) {
  Load(CrLf({"[startup_options]", "Start_with_windows=0", "Quit_after_activate=2", "Activate_onLaunch=-1",
             "Hide_Splashscreen=yes", "Start_Location=0x1", "Start_State=\" 1 \"", "[Configuration]",
             "Message_Delay=0x20", "DoubleClick_Action=-7", "Hide_errors=0x", "BrowseKill_DefaultChecks=0X0",
             "[Icons]", "On_Tooltip=  \"  On \"  ", "Alternate_On_Icon='C:\\on.ico'"}));
  // Not integers, and so the defaults: "yes", "0x", and " 1 " (blanks kept by
  // the quotes). Out-of-range values are left for the window to clamp.
  EXPECT_EQ(SettingsOf(config), "0110 32 0 1 -7 0 0 [C:\\on.ico][][  On ][]");
  Load(CrLf({"[Configuration]", "Message_Delay=abc"}));
  EXPECT_EQ(config.Message_Delay, 200);
}

TEST_F(ConfigDataTest, FileVersionIsNotChecked) {
  for (const char* version : {"FileVersion=7", "", "FileVersion=abc"}) {
    Load(CrLf({"[Quellmarch]", version, "[Configuration]", "Message_Delay=9", "[Run_Programs]", "0=1 a.exe"}));
    EXPECT_EQ(config.Message_Delay, 9);
    EXPECT_EQ(run.Count(), 1u);
  }
}

TEST_F(ConfigDataTest, EntryValues) {
  Load(CrLf({"[Run_Programs]", "0=1 C:\\a.exe", "1=1_C:\\b.exe", "2=x C:\\c.exe", "3=2 C:\\d.exe", "4=0 C:\\e.exe",
             "5=1 ", "6=1 C:\\after.exe", "[Terminate_Processes]", "0=1 a", "1=1 b", "3=1 d"}));
  ASSERT_EQ(run.Count(), 5u) << "the value \"1 \" trims to \"1\" and ends the list";
  EXPECT_EQ(run.StoredText(1), "C:\\b.exe") << "the second character is skipped unread";
  EXPECT_TRUE(run.Checked(0) && run.Checked(1));
  EXPECT_FALSE(run.Checked(2) || run.Checked(3) || run.Checked(4));
  EXPECT_EQ(terminate.Count(), 2u) << "a gap ends the list";

  IniFile ini = IniFile::Parse(CrLf({"[l]", "0=1 a", "1=___DONE___", "2=1 c"}));
  EXPECT_TRUE(TConfigData::ReadEntryList(ini, run, "l"));
  EXPECT_EQ(run.Count(), 1u);
  EXPECT_FALSE(TConfigData::ReadEntryList(IniFile::Parse("[l]\r\n0=1\r\n"), run, "l"));
}

TEST_F(ConfigDataTest, AListReadsAtMost9999Entries) {
  std::string text = "[Run_Programs]\r\n";
  for (int i = 0; i < 10001; ++i) text += std::to_string(i) + "=1 p" + std::to_string(i) + ".exe\r\n";
  Load(text);
  ASSERT_EQ(run.Count(), 9999u);
  EXPECT_EQ(run.StoredText(9998), "p9998.exe");
}

TEST_F(ConfigDataTest, SaveKeepsForeignSectionsAndKeys) {
  Load(CrLf({"[Other]", "a=1", "[Configuration]", "Mine=yes", "Message_Delay=1", "", "[Run_Programs]", "0=1 old.exe",
             "7=1 stray.exe", "[Tail]", "b=2"}));
  config.Message_Delay = 300;
  run.Clear();
  terminate.AppendStored("x.exe", false);
  EXPECT_EQ(Save(), CrLf({"[Other]", "a=1", "[Configuration]", "Mine=yes", "Message_Delay=300", "DoubleClick_Action=0",
                          "BrowseKill_DefaultChecks=0", "Hide_errors=0", "", "[Tail]", "b=2", "[Quellmarch]",
                          "FileVersion=1", "[Startup_Options]", "Start_with_windows=1", "Hide_Splashscreen=0",
                          "Quit_after_activate=0", "Activate_onLaunch=0", "Start_Location=0", "Start_State=0",
                          "[Icons]", "Alternate_On_Icon=", "Alternate_Off_Icon=", "On_Tooltip=", "Off_Tooltip=",
                          "[Terminate_Processes]", "0=0 x.exe"}))
      << "an empty run list leaves no Run_Programs section";
}

TEST_F(ConfigDataTest, SaveReplacesEveryListSectionOfTheSameName) {
  Load(CrLf({"[Run_Programs]", "0=1 a", "[run_programs]", "0=1 b", "1=1 c", "2=1 d"}));
  ASSERT_EQ(run.Count(), 1u);
  run.AppendStored("e", true);
  Save();
  config.LoadFromFile("c.qmf");
  ASSERT_EQ(run.Count(), 2u);
  EXPECT_EQ(run.StoredText(1), "e");
}

TEST_F(ConfigDataTest, AnEmptyStoredTextCostsNoEntries) {
  run.AppendStored("a.exe", true);
  run.AppendStored("", true);
  run.AppendStored("   ", false);
  run.AppendStored("b.exe", true);
  terminate.AppendStored("", false);
  terminate.AppendStored("c.exe", true);
  const std::string saved = Save();
  EXPECT_NE(saved.find("0=1 a.exe\r\n1=\"1  \"\r\n2=\"0  \"\r\n3=1 b.exe\r\n"), std::string::npos) << saved;
  config.LoadFromFile("c.qmf");
  ASSERT_EQ(run.Count(), 4u);
  EXPECT_EQ(run.StoredText(1), "");
  EXPECT_EQ(run.StoredText(2), "");
  EXPECT_TRUE(run.Checked(1));
  EXPECT_FALSE(run.Checked(2));
  EXPECT_EQ(run.DisplayText(1), StoredToDisplay(""));
  EXPECT_EQ(run.StoredText(3), "b.exe");
  ASSERT_EQ(terminate.Count(), 2u);
  EXPECT_EQ(terminate.StoredText(1), "c.exe");
  EXPECT_EQ(Save(), saved);
}

TEST_F(ConfigDataTest, ValuesKeptByQuotesSurviveSaveAndLoad) {
  // Quotes let a file hold blanks, control characters or quotes at the ends
  // of a value; what loaded from such a file must save and load back alike.
  Load(CrLf({"[Icons]", "On_Tooltip=\"\"quoted\"\"", "Off_Tooltip=\" padded \"", "Alternate_On_Icon=\"\b\"",
             "[Run_Programs]", "0=\"1 trailing \"", "1=\"0 \"x\"\"", "[Terminate_Processes]", "0=\"1 a\t\""}));
  const std::string settings = SettingsOf(config);
  ASSERT_EQ(settings, "1000 200 0 0 0 0 0 [\b][][\"quoted\"][ padded ]");
  const std::vector<std::string> stored = {run.StoredText(0), run.StoredText(1), terminate.StoredText(0)};
  ASSERT_EQ(stored, (std::vector<std::string>{"trailing ", "\"x\"", "a\t"}));
  Save();
  Load(files.files["c.qmf"]);
  EXPECT_EQ(SettingsOf(config), settings);
  EXPECT_EQ((std::vector<std::string>{run.StoredText(0), run.StoredText(1), terminate.StoredText(0)}), stored);
}

TEST_F(ConfigDataTest, LongNamesWithBlanksSurviveSaveAndLoad) {
  const std::string stored = "C:\\Tools\\a-very-long-program-name v2.exe {arg -x}";
  const std::string text = CrLf({"[Run_Programs]", "0=1 C:\\Tools\\a-very-long-program-name v2.exe {arg -x}"});
  Load(text);
  EXPECT_EQ(run.StoredText(0), stored);
  EXPECT_NE(Save().find(text), std::string::npos);
}

TEST_F(ConfigDataTest, AFailedSaveThrowsAndLeavesTheFile) {
  const std::string before = Load(kExample);
  config.Message_Delay = 1;
  files.failWrites = true;
  try {
    config.SaveToFile("c.qmf");
    FAIL() << "no error";
  } catch (const AppError& error) {
    EXPECT_STREQ(error.what(), "Unable to write to c.qmf");
  }
  EXPECT_EQ(files.files["c.qmf"], before);
}

}  // namespace
}  // namespace qm
