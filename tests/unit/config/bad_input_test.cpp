// Files that are damaged or were written by other tools load without a crash
// or hang, with defaults wherever nothing readable stands, and a save over
// them gives a file that loads back as saved.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

#include "config/config_data.h"
#include "config/entry_grammar.h"
#include "config/memory_entry_list.h"
#include "config_test_support.h"

namespace qm {
namespace {

std::string Corpus(const std::string& name) {
  std::ifstream in(std::string(QM_TEST_DATA_DIR) + "/qmf/" + name, std::ios::binary);
  EXPECT_TRUE(in) << name;
  return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

class BadInputTest : public ::testing::Test {
 protected:
  void Load(std::string text) {
    files.files["c.qmf"] = std::move(text);
    ASSERT_TRUE(config.LoadFromFile("c.qmf"));
  }
  // Saves what was loaded with every setting changed, and checks that the
  // damaged file does not stop the new values from loading back.
  void ExpectSaveLoadsBack() {
    config.Message_Delay = 77;
    config.On_Tooltip = "on";
    config.Start_with_windows = !config.Start_with_windows;
    const bool startWithWindows = config.Start_with_windows;
    run.AppendStored("C:\\added.exe {min}", true);
    const std::size_t runCount = run.Count();
    const std::size_t terminateCount = terminate.Count();
    ASSERT_TRUE(config.SaveToFile("c.qmf"));
    config.Reset();
    ASSERT_TRUE(config.LoadFromFile("c.qmf"));
    EXPECT_EQ(config.Message_Delay, 77);
    EXPECT_EQ(config.On_Tooltip, "on");
    EXPECT_EQ(config.Start_with_windows, startWithWindows);
    EXPECT_EQ(run.Count(), runCount);
    EXPECT_EQ(run.StoredText(runCount - 1), "C:\\added.exe {min}");
    EXPECT_EQ(terminate.Count(), terminateCount);
  }

  test::MemoryFileStore files;
  MemoryEntryList run;
  MemoryEntryList terminate;
  TConfigData config{run, terminate, files};
};

TEST_F(BadInputTest, BinaryGarbage) {
  Load(Corpus("binary_garbage.qmf"));
  EXPECT_EQ(test::SettingsOf(config), test::kLoadDefaults);
  EXPECT_EQ(run.Count() + terminate.Count(), 0u);
  ExpectSaveLoadsBack();
}

TEST_F(BadInputTest, NulBytes) {
  Load(Corpus("nul_bytes.qmf"));
  EXPECT_TRUE(config.Hide_errors);
  EXPECT_EQ(config.Message_Delay, 200);
  EXPECT_EQ(config.On_Tooltip, "") << "\"[Ic<NUL>ons]\" is another section";
  EXPECT_EQ(config.Off_Tooltip, std::string("off\0tip", 7));
  ASSERT_EQ(run.Count(), 2u) << "a value of NUL bytes only is too short and ends the list";
  EXPECT_EQ(run.StoredText(1), std::string("C:\\b\0c.exe", 10));
  ExpectSaveLoadsBack();
}

TEST_F(BadInputTest, ByteOrderMarkIsNoPartOfTheFirstSectionName) {
  const std::string text = Corpus("byte_order_mark.qmf");
  Load(text);
  EXPECT_EQ(config.Message_Delay, 321);
  EXPECT_EQ(run.Count(), 1u);
  ExpectSaveLoadsBack();
  EXPECT_EQ(files.files["c.qmf"].substr(0, 3), "\xEF\xBB\xBF");
}

TEST_F(BadInputTest, CarriageReturnLineEnds) {
  Load(Corpus("cr_only.qmf"));
  EXPECT_FALSE(config.Start_with_windows);
  EXPECT_EQ(config.Start_State, 1);
  ASSERT_EQ(run.Count(), 2u);
  EXPECT_FALSE(run.Checked(1));
  ExpectSaveLoadsBack();
}

TEST_F(BadInputTest, KeysBeforeAnySection) {
  Load(Corpus("keys_before_section.qmf"));
  EXPECT_EQ(config.Message_Delay, 200);
  EXPECT_TRUE(config.Hide_errors);
  EXPECT_EQ(run.Count(), 0u);
  ExpectSaveLoadsBack();
  EXPECT_EQ(files.files["c.qmf"].substr(0, 43), "Message_Delay=5\r\n0=1 C:\\stray.exe\r\n=unnamed");
}

TEST_F(BadInputTest, FileEditedByHandWithTheProfileFunctions) {
  Load(Corpus("profile_written.qmf"));
  EXPECT_EQ(config.Message_Delay, 250);
  EXPECT_EQ(config.DoubleClick_Action, 2);
  ASSERT_EQ(terminate.Count(), 2u);
  EXPECT_EQ(terminate.DisplayText(1), StoredToDisplay("C:\\GAMES\\*.EXE {harsh} {rem games}"));
  EXPECT_FALSE(terminate.Checked(1));
  ExpectSaveLoadsBack();
  const std::string saved = files.files["c.qmf"];
  EXPECT_EQ(saved.substr(0, 18), "; written by hand\r");
  EXPECT_NE(saved.find("\r\n[]\r\n=x\r\n"), std::string::npos);
}

TEST_F(BadInputTest, TenMegabyteLines) {
  const std::string huge(10 * 1024 * 1024, 'x');
  Load("[Configuration]\r\nMessage_Delay=42\r\nJunk=" + huge + "\r\n" + huge + "\r\n[Icons]\r\nOn_Tooltip=" + huge +
       "\r\n[Run_Programs]\r\n0=1 " + huge + "\r\n1=0 b.exe\r\n");
  EXPECT_EQ(config.Message_Delay, 42);
  EXPECT_EQ(config.On_Tooltip, huge.substr(0, 2047));
  ASSERT_EQ(run.Count(), 2u);
  EXPECT_EQ(run.StoredText(0), huge.substr(0, 2045));
  ExpectSaveLoadsBack();
}

}  // namespace
}  // namespace qm
