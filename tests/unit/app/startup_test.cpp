#include "app_fixture.h"

namespace qm::test {
namespace {

constexpr char kRunCommandForMissing[] = "\"C:\\Tools\\Quellmarch.exe\" c:\\gone\\set.qmf";

class StartupTest : public AppTest {
 protected:
  void PutConfig(const std::string& path, const QmfText& text = {}) { machine.files.Put(path, text.Build()); }
  // The Tnotfound window answers with the given choices in turn (1, 2 or 3)
  // and records whether the exit choice was preset each time.
  void AnswerNotFound(std::vector<int> choices) {
    notFoundChoices = std::move(choices);
    backend.answer<Tnotfound>([this](Tnotfound& w) {
      presetToIgnore.push_back(w.RadioButton3.checked());
      shownName.push_back(w.Memo3.text());
      const int choice = notFoundChoices.at(presetToIgnore.size() - 1);
      (choice == 1 ? w.RadioButton1 : choice == 2 ? w.RadioButton2 : w.RadioButton3).setChecked(true);
      return ui::ModalResult::Ok;
    });
  }
  std::vector<int> notFoundChoices;
  std::vector<bool> presetToIgnore;
  std::vector<std::string> shownName;
};

TEST_F(StartupTest, TheArgumentIsLookedUpInEachFolderBareNameBeforeExtension) {
  PutConfig("C:\\Tools\\work.qmf");
  ASSERT_TRUE(Start("work"));
  EXPECT_EQ(options().CurrentConfigFile, "C:\\Tools\\work.qmf");

  PutConfig("C:\\Tools\\ConfigurationFiles\\deep.qmf");
  ASSERT_TRUE(Start("deep"));
  EXPECT_EQ(options().CurrentConfigFile, "C:\\Tools\\ConfigurationFiles\\deep.qmf");

  // The current folder comes first, and within it the bare name.
  PutConfig("work.qmf");
  ASSERT_TRUE(Start("work"));
  EXPECT_EQ(options().CurrentConfigFile, "work.qmf");
  PutConfig("work");
  ASSERT_TRUE(Start("work"));
  EXPECT_EQ(options().CurrentConfigFile, "work");
}

TEST_F(StartupTest, AFoundFileIsLoadedCleanAndTheOptionsWindowStaysHidden) {
  PutConfig("C:\\Cfg\\Games.qmf", {{"1 C:\\A.exe"}, {"1 *\\b.exe"}, "Start_State=1\r\n"});
  ASSERT_TRUE(Start("C:\\Cfg\\Games.qmf"));
  EXPECT_EQ(options().ProgramEntries().Count(), 1u);
  EXPECT_EQ(options().caption(), "Quellmarch - Games.qmf");
  EXPECT_FALSE(options().ConfigDirty);
  EXPECT_FALSE(options().visible());
  EXPECT_FALSE(tray().IsOn()) << "the file's start state";
  EXPECT_FALSE(instance->LastFileAutoLoaded);
}

TEST_F(StartupTest, AQuotedArgumentKeepsItsQuotesAndWithoutAStartEntryGivesABlankConfiguration) {
  PutConfig("C:\\a b.qmf");
  machine.registry.Put(kSettingsKey, "LastFile", RegValue{RegType::String, "C:\\a b.qmf", 0});
  ASSERT_TRUE(Start("\"C:\\a b.qmf\""));
  EXPECT_EQ(AttentionText(), "File \"C:\\a b.qmf\" was not found.  Starting with blank configuration file.");
  EXPECT_EQ(options().CurrentConfigFile, "") << "no last-file fallback after a missing argument";
  EXPECT_TRUE(options().visible());
  EXPECT_EQ(options().caption(), "Quellmarch");
  EXPECT_TRUE(tray().IsOn());
}

TEST_F(StartupTest, AnArgumentWithBlanksIsOneName) {
  PutConfig("C:\\Tools\\my setup.qmf");
  ASSERT_TRUE(Start("my setup"));
  EXPECT_EQ(options().CurrentConfigFile, "C:\\Tools\\my setup.qmf");
}

TEST_F(StartupTest, AMissingStartupFileCanBeIgnoredOrItsEntryDeletedAndTheInstanceEndsWritingNothing) {
  machine.registry.Put(kRunKey, "Quellmarch1", RegValue{RegType::String, kRunCommandForMissing, 0});
  AnswerNotFound({3});
  EXPECT_FALSE(Start("C:\\Gone\\Set.qmf"));
  EXPECT_EQ(shownName, std::vector<std::string>{"C:\\Gone\\Set.qmf"});
  EXPECT_EQ(RegString(kRunKey, "Quellmarch1"), kRunCommandForMissing);
  EXPECT_EQ(machine.tray.calls.back().action, TrayAction::Delete);
  EXPECT_EQ(RegString(kSettingsKey, "LastFile"), "<absent>");

  presetToIgnore.clear();
  AnswerNotFound({2});
  EXPECT_FALSE(Start("C:\\Gone\\Set.qmf"));
  EXPECT_EQ(RegString(kRunKey, "Quellmarch1"), "<absent>");
  EXPECT_EQ(RegString(kSettingsKey, "LastFile"), "<absent>");
}

TEST_F(StartupTest, BrowsingCancelledShowsTheWindowAgainAndAChosenFileMovesTheStartEntry) {
  machine.registry.Put(kRunKey, "Quellmarch1", RegValue{RegType::String, kRunCommandForMissing, 0});
  PutConfig("C:\\New\\Set.qmf", {{"1 C:\\A.exe"}, {}});
  AnswerNotFound({1, 1});
  backend.queueFile(std::nullopt);
  backend.queueFile("C:\\New\\Set.qmf");
  ASSERT_TRUE(Start("C:\\Gone\\Set.qmf"));
  EXPECT_EQ(presetToIgnore, (std::vector<bool>{true, true}));
  EXPECT_EQ(instance->notfound.OpenDialog1.initialDir, "C:\\Gone\\");
  EXPECT_EQ(options().CurrentConfigFile, "C:\\New\\Set.qmf");
  EXPECT_EQ(options().ProgramEntries().Count(), 1u);
  EXPECT_EQ(RegString(kRunKey, "Quellmarch1"), "\"C:\\Tools\\Quellmarch.exe\" c:\\new\\set.qmf");
  EXPECT_TRUE(Logged("modal preregistry"));
}

TEST_F(StartupTest, TheLastFileIsTheFallbackButDoesNotActOnLaunch) {
  machine.registry.Put(kSettingsKey, "LastFile", RegValue{RegType::String, "C:\\a\\b", 0});
  PutConfig("C:\\a\\b.qmf", {{"1 C:\\A.exe"}, {"1 *\\b.exe"}, "Activate_onLaunch=1\r\nStart_State=1\r\n"});
  bool autoLoadedDuringSafetyText = false;
  backend.answer<Tattention>([&](Tattention&) {
    autoLoadedDuringSafetyText = instance->LastFileAutoLoaded;
    return ui::ModalResult::Ok;
  });
  ASSERT_TRUE(Start());
  EXPECT_EQ(options().CurrentConfigFile, "C:\\a\\b.qmf");
  EXPECT_TRUE(autoLoadedDuringSafetyText);
  EXPECT_FALSE(instance->LastFileAutoLoaded);
  EXPECT_EQ(AttentionText().substr(0, 60), "Quellmarch was invoked with no filename specified, so the la");
  EXPECT_NE(AttentionText().find("as a commandline argument."), std::string::npos);
  EXPECT_TRUE(machine.shell.calls.empty()) << "nothing runs";
  EXPECT_FALSE(tray().IsOn()) << "the start state is applied all the same";
  EXPECT_TRUE(options().visible());
}

TEST_F(StartupTest, WithoutArgumentOrUsableLastFileTheBlankConfigurationOpens) {
  machine.registry.Put(kSettingsKey, "LastFile", RegValue{RegType::String, "C:\\gone.qmf", 0});
  machine.files.Put(".qmf", QmfText{}.Build());
  ASSERT_TRUE(Start());
  EXPECT_EQ(options().CurrentConfigFile, "");
  EXPECT_TRUE(options().visible());
  EXPECT_FALSE(Logged("modal attention"));

  machine.registry.Put(kSettingsKey, "LastFile", RegValue{RegType::String, "", 0});
  ASSERT_TRUE(Start());
  EXPECT_EQ(options().CurrentConfigFile, "") << "an empty last file names nothing, not \".qmf\"";
}

TEST_F(StartupTest, AnExplicitFileWithActivateOnLaunchActsAtOnce) {
  PutConfig("C:\\go.qmf", {{"1 C:\\A.exe"}, {"1 *\\b.exe"}, "Activate_onLaunch=1\r\nStart_State=1\r\n"});
  ASSERT_TRUE(Start("C:\\go.qmf"));
  ASSERT_EQ(machine.shell.calls.size(), 1u);
  EXPECT_EQ(machine.shell.calls[0].file, "C:\\A.exe");
  EXPECT_TRUE(tray().IsOn());
}

TEST_F(StartupTest, AnErrorOfTheActionOnLaunchIsReportedAndTheInstanceStillStarts) {
  machine.world.AddProcess(50, "C:\\Apps\\b.exe");
  std::string rejected;
  for (int i = 0; i < 31; ++i) rejected += "*a";  // more stars than a pattern may hold
  PutConfig("C:\\go.qmf", {{"1 C:\\A.exe"}, {"1 " + rejected}, "Activate_onLaunch=1\r\n"});
  ASSERT_TRUE(Start("C:\\go.qmf"));
  ASSERT_FALSE(backend.log().empty());
  EXPECT_NE(backend.log().back().find("is an invalid mask"), std::string::npos) << backend.log().back();
  EXPECT_FALSE(instance->LastFileAutoLoaded);
  EXPECT_EQ(machine.tray.calls.back().action, TrayAction::Modify);
}

TEST_F(StartupTest, TheFirstStartShowsTheOptionsWindowAndStillAppliesTheStartupOptions) {
  machine.registry = sim::SimRegistry{};
  PutConfig("C:\\go.qmf", {{"1 C:\\A.exe"}, {"1 *\\b.exe"}, "Activate_onLaunch=1\r\nStart_State=1\r\n"});
  ASSERT_TRUE(Start("C:\\go.qmf"));
  EXPECT_TRUE(instance->settings.FirstRun);
  EXPECT_TRUE(options().visible());
  EXPECT_EQ(machine.shell.calls.size(), 1u);
}

TEST_F(StartupTest, TheOptionsWindowTakesItsStoredSizeButNeverLessThanItsMinimum) {
  machine.registry.Put(kSettingsKey, "OptionWindow_Width", RegValue{RegType::Integer, {}, 800});
  machine.registry.Put(kSettingsKey, "OptionWindow_Height", RegValue{RegType::Integer, {}, 3});
  ASSERT_TRUE(Start());
  EXPECT_EQ(options().width(), 800);
  EXPECT_EQ(options().height(), 418);
  EXPECT_EQ(options().CheckListBox1.height(), 42) << "laid out for the size it got";
}

// The windows whose sizes persist: a stored size larger than the screen
// (1024 x 768 here) is cut to it, and a window maximised at shutdown stores
// the size it comes back to, not the screen's.
TEST_F(StartupTest, StoredSizesFitTheScreenAndAMaximisedWindowStoresItsRestoredSize) {
  const std::string names[] = {"OptionWindow", "ProcWindow", "BrowsekillWindow"};
  for (const std::string& name : names) {
    machine.registry.Put(kSettingsKey, name + "_Width", RegValue{RegType::Integer, {}, 5000});
    machine.registry.Put(kSettingsKey, name + "_Height", RegValue{RegType::Integer, {}, 4000});
  }
  ASSERT_TRUE(Start());
  ui::Form* forms[] = {&options(), &instance->formProc, &instance->browseKill};
  for (ui::Form* form : forms) {
    EXPECT_EQ(form->width(), 1024) << form->name();
    EXPECT_EQ(form->height(), 768) << form->name();
    form->userResized(700, 500, 692, 473);
    form->userResized(1032, 776, 1024, 749, ui::WindowState::Maximized);
  }
  tray().Shutdown1Click();
  for (const std::string& name : names) {
    RegValue width;
    RegValue height;
    machine.registry.QueryValue(kSettingsKey, name + "_Width", width);
    machine.registry.QueryValue(kSettingsKey, name + "_Height", height);
    EXPECT_EQ(width.number, 700u) << name;
    EXPECT_EQ(height.number, 500u) << name;
  }
}

TEST_F(StartupTest, ASettingsKeyThatCannotBeCreatedEndsTheInstanceWithoutItsIcon) {
  machine.registry = sim::SimRegistry{};
  machine.registry.InjectFailure(sim::SimRegistry::Op::Create, kSettingsKey);
  PutConfig("C:\\go.qmf");
  EXPECT_FALSE(Start("C:\\go.qmf"));
  EXPECT_TRUE(Logged("message Quellmarch: Error: Failed to create registry key \\Software\\Quellmarch."));
  EXPECT_EQ(machine.tray.calls.back().action, TrayAction::Delete);
}

}  // namespace
}  // namespace qm::test
