#include "app_fixture.h"

#include "config/entry_grammar.h"

namespace qm::test {
namespace {

// Each row as the user reads it: "x" or "-" for its mark, then its text with
// every run of blanks made one (the separator reads "-").
std::vector<std::string> Shown(const ui::CheckListBox& list) {
  std::vector<std::string> rows;
  for (int i = 0; i < list.count(); ++i) {
    std::string text;
    for (char c : Trim(list.item(i))) {
      if (c != ' ' || text.empty() || text.back() != ' ') text += c;
    }
    rows.push_back(std::string(list.checked(i) ? "x" : "-") + (text.empty() ? "" : " " + text));
  }
  return rows;
}

class BrowseKillTest : public AppTest {
 protected:
  // Running at every start: the snapshot's order (pid text) is not the
  // order of the names, and b.exe runs twice.
  void RunUsualPrograms() {
    machine.world.AddProcess(120, "C:\\Apps\\zed.exe");
    machine.world.AddWindow(120, "Bee");
    machine.world.AddProcess(13, "C:\\Apps\\b.exe");
    machine.world.AddProcess(14, "C:\\WINDOWS\\EXPLORER.EXE");
    machine.world.AddWindow(14, "Desktop");
    machine.world.AddProcess(200, "C:\\Tools\\c.exe");
    machine.world.AddProcess(201, "C:\\Apps\\b.exe");
  }
  // Every process of an earlier case ends; pids may then be used again.
  void EndEverything() {
    for (sim::SimProcess& p : machine.world.AllProcesses()) machine.world.EndProcess(p.pid);
  }
  std::uint32_t RegNumber(const std::string& name) {
    RegValue value;
    return machine.registry.QueryValue(kSettingsKey, name, value) == RegStatus::Ok ? value.number : 0;
  }
  void StartWith(const QmfText& text) {
    machine.files.Put("C:\\t.qmf", text.Build());
    ASSERT_TRUE(Start("C:\\t.qmf"));
    backend.clearLog();
  }
  TBrowseKill& bk() { return instance->browseKill; }
  std::vector<std::string> Rows() { return Shown(bk().CheckListBox1); }
  bool Running(ProcessId pid) { return machine.world.FindLive(pid) != nullptr; }
  // A press of the right button on row `row` of the list.
  void RightClickRow(int row) { bk().CheckListBox1.userMouseDown(ui::MouseButton::Right, 40, row * 15 + 7); }
  // The status window's steps, as the log has them.
  std::vector<std::string> StatusSteps() const {
    std::vector<std::string> steps;
    for (const std::string& line : backend.log()) {
      if (line.find("TerminatingStatus") != std::string::npos && line.rfind("paint", 0) != 0) steps.push_back(line);
    }
    return steps;
  }
};

TEST_F(BrowseKillTest, ConfiguredRowsComeFirstAndTheSeparatorOnlyBetweenTwoGroups) {
  const std::vector<std::string> others = {"- zed.exe C:\\Apps\\", "- b.exe C:\\Apps\\", "- c.exe C:\\Tools\\",
                                           "- b.exe C:\\Apps\\"};
  auto with = [](std::vector<std::string> head, const std::vector<std::string>& tail) {
    head.insert(head.end(), tail.begin(), tail.end());
    return head;
  };
  struct Case {
    const char* what;
    std::vector<std::string> processEntries;
    bool markUnspecified;
    bool windowTitles;
    std::vector<std::string> rows;
  };
  const Case cases[] = {
      {"no configured entry runs: no separator, no window or unsafe rows, snapshot order",
       {"1 C:\\Other\\z.exe"}, false, true, others},
      {"configured rows keep their tags and their own marks; unspecified ones take the box",
       {"1 C:\\Other\\z.exe", "0 C:\\Tools\\c.exe {harsh}", "1 C:\\Apps\\zed.exe"}, true, false,
       {"- c.exe C:\\Tools\\ {harsh}", "x zed.exe C:\\Apps\\", "-", "x b.exe C:\\Apps\\", "x b.exe C:\\Apps\\"}},
      {"everything else unsafe or configured: no separator",
       {"1 C:\\Apps\\b.exe", "0 C:\\Apps\\zed.exe", "1 C:\\Tools\\c.exe {rem r}"}, false, false,
       {"x b.exe C:\\Apps\\", "- zed.exe C:\\Apps\\", "x c.exe C:\\Tools\\ {rem r}"}},
      {"another letter case is another program", {"1 C:\\Apps\\B.exe"}, false, false, others},
      {"an entry naming a window title runs while titles are listed", {"1 Bee"}, false, true,
       with({"x Bee", "-"}, others)},
      {"without window rows the title entry does not run", {"1 Bee"}, false, false, others},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    EndEverything();
    RunUsualPrograms();
    StartWith({{}, c.processEntries, "", c.markUnspecified ? "BrowseKill_DefaultChecks=1\r\n" : ""});
    instance->formProc.CheckBox1.setChecked(c.windowTitles);
    tray().BrowseKill1.userClick();
    EXPECT_TRUE(bk().visible());
    EXPECT_EQ(Rows(), c.rows);
    EXPECT_EQ(backend.shownItems(bk().CheckListBox1), bk().CheckListBox1.items());
  }
  EXPECT_TRUE(backend.failures().empty());
}

TEST_F(BrowseKillTest, TheDefaultMarkIsASettingThatChangesTheListButNeverMarksTheFileChanged) {
  RunUsualPrograms();
  StartWith({{}, {"1 C:\\Tools\\c.exe"}, "", "BrowseKill_DefaultChecks=1\r\n"});
  EXPECT_TRUE(bk().CheckBox1.checked()) << "loaded from the file";
  options().Button4.userClick();
  EXPECT_EQ(Rows(), (std::vector<std::string>{"x c.exe C:\\Tools\\", "-", "x zed.exe C:\\Apps\\", "x b.exe C:\\Apps\\",
                                              "x b.exe C:\\Apps\\"}));

  bk().CheckBox1.userToggle();
  EXPECT_EQ(Rows(), (std::vector<std::string>{"x c.exe C:\\Tools\\", "-", "- zed.exe C:\\Apps\\", "- b.exe C:\\Apps\\",
                                              "- b.exe C:\\Apps\\"}));
  EXPECT_FALSE(instance->config->BrowseKill_DefaultChecks);
  EXPECT_FALSE(options().ConfigDirty);

  options().SaveConfig();
  const std::string saved = *machine.files.ReadWholeFile("C:\\t.qmf");
  EXPECT_NE(saved.find("BrowseKill_DefaultChecks=0\r\n"), std::string::npos);
  options().NewConfig();
  EXPECT_FALSE(bk().CheckBox1.checked());
}

TEST_F(BrowseKillTest, CheckAllTakesTheSeparatorTooAndKillingTheSeparatorEndsNothing) {
  RunUsualPrograms();
  // An empty pattern would match this window's title.
  machine.world.AddProcess(300, "C:\\Apps\\blank.exe");
  machine.world.AddWindow(300, "   ");
  StartWith({{}, {"0 C:\\Tools\\c.exe"}});
  instance->formProc.CheckBox1.setChecked(true);
  bk().ShowAndRefresh();
  bk().Button2.userClick();
  EXPECT_EQ(bk().CheckListBox1.checkedCount(), 6);

  RightClickRow(1);
  ASSERT_EQ(bk().CheckListBox1.itemIndex(), 1);
  RightClickRow(9);
  EXPECT_EQ(bk().CheckListBox1.itemIndex(), 1) << "a press below the last row selects nothing";
  bk().Terminatethisprogramnow1.userClick();
  for (ProcessId pid : {120u, 13u, 14u, 200u, 201u, 300u}) EXPECT_TRUE(Running(pid)) << pid;

  bk().CheckListBox1.userDoubleClick(0);
  EXPECT_EQ(Rows().front(), "x c.exe C:\\Tools\\") << "the refresh took the mark from the Options window, the "
                                                      "double-click inverted it";
  bk().Button3.userClick();
  EXPECT_EQ(bk().CheckListBox1.checkedCount(), 0);
}

// A brace in a running program's name would begin a tag of the row's entry.
TEST_F(BrowseKillTest, BracesInANameShowAsQuestionMarksAndTheRowStillEndsItsProgram) {
  machine.world.AddProcess(30, "C:\\Apps\\b{1}.exe");
  StartWith({{}, {}});
  bk().ShowAndRefresh();
  ASSERT_EQ(Rows(), std::vector<std::string>{"- b?1?.exe C:\\Apps\\"});
  RightClickRow(0);
  bk().Terminatethisprogramnow1.userClick();
  EXPECT_FALSE(Running(30));
}

TEST_F(BrowseKillTest, KillThisOneShowsItsStepsInOrderAndPausesFiveUnits) {
  RunUsualPrograms();
  StartWith({{}, {}});
  instance->config->Message_Delay = 100;
  bk().ShowAndRefresh();
  RightClickRow(1);
  backend.clearLog();
  bk().Terminatethisprogramnow1.userClick();
  EXPECT_FALSE(Running(13));
  EXPECT_FALSE(Running(201)) << "the row names the program, not one process";
  EXPECT_EQ(StatusSteps(), (std::vector<std::string>{
                               "show without focus TerminatingStatus",
                               "progress TerminatingStatus.ProgressBar1: 50",
                               "text TerminatingStatus.StatusBar1: Searching for C:\\Apps\\b.exe",
                               "text TerminatingStatus.StatusBar1: Terminating C:\\Apps\\b.exe",
                               "progress TerminatingStatus.ProgressBar1: 75",
                               "progress TerminatingStatus.ProgressBar1: 100",
                               "hide TerminatingStatus",
                           }));
  EXPECT_EQ(Rows(), (std::vector<std::string>{"- zed.exe C:\\Apps\\", "- c.exe C:\\Tools\\"})) << "refreshed";

  // A stale row: its program ended meanwhile, so only the pauses are left.
  machine.world.EndProcess(120);
  RightClickRow(0);
  const std::uint64_t before = machine.world.Now();
  bk().Terminatethisprogramnow1.userClick();
  EXPECT_EQ(machine.world.Now() - before, 500u);
}

TEST_F(BrowseKillTest, KillAllEndsTheCheckedRowsThenRefreshesOrQuits) {
  struct Case {
    const char* what;
    bool quitAfterActivating;
    bool unsavedChanges;  // and the save question is cancelled
    bool quits;
  };
  const Case cases[] = {
      {"staying", false, false, false},
      {"Quit after activating, the save question cancelled", true, true, false},
      {"Quit after activating", true, false, true},
  };
  backend.answer<TFormSaveChanges>(ui::ModalResult::Cancel);
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    EndEverything();
    RunUsualPrograms();
    StartWith({{}, {"1 C:\\Tools\\c.exe {harsh}", "0 C:\\Apps\\zed.exe"},
               c.quitAfterActivating ? "Quit_after_activate=1\r\n" : ""});
    options().ConfigDirty = c.unsavedChanges;
    bk().ShowAndRefresh();
    ASSERT_EQ(Rows(), (std::vector<std::string>{"x c.exe C:\\Tools\\ {harsh}", "- zed.exe C:\\Apps\\", "-",
                                                "- b.exe C:\\Apps\\", "- b.exe C:\\Apps\\"}));
    bk().CheckListBox1.userToggleCheck(3);
    bk().BitBtn1.userClick();
    EXPECT_FALSE(Running(200));
    EXPECT_FALSE(Running(13));
    EXPECT_TRUE(Running(120));
    EXPECT_TRUE(Running(14));
    EXPECT_EQ(backend.quitRequested(), c.quits);
    if (!c.quits) {
      EXPECT_EQ(Rows(), std::vector<std::string>{"- zed.exe C:\\Apps\\"});
    }
  }
}

TEST_F(BrowseKillTest, StartingInBrowseKillShowsItOrKillsTheCheckedRowsAtOnce) {
  struct Case {
    const char* startup;
    bool shown;
    bool killed;
    bool quits;
  };
  const Case cases[] = {
      {"Start_Location=1\r\n", true, false, false},
      {"Start_Location=1\r\nActivate_onLaunch=1\r\n", false, true, false},
      {"Start_Location=1\r\nActivate_onLaunch=1\r\nQuit_after_activate=1\r\n", false, true, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.startup);
    EndEverything();
    RunUsualPrograms();
    StartWith({{}, {"1 C:\\Tools\\c.exe", "0 C:\\Apps\\zed.exe"}, c.startup, "BrowseKill_DefaultChecks=1\r\n"});
    EXPECT_EQ(bk().visible(), c.shown);
    EXPECT_EQ(Running(200), !c.killed) << "configured and checked";
    EXPECT_EQ(Running(13), !c.killed) << "unspecified, marked by default";
    EXPECT_TRUE(Running(120)) << "configured, unchecked";
    EXPECT_EQ(backend.quitRequested(), c.quits);
    if (c.shown) {
      EXPECT_EQ(Rows().size(), 5u);
    }
  }
}

TEST_F(BrowseKillTest, EveryWayInShowsAFreshListAndTheWindowKeepsItsSize) {
  windowHandle = [this](const ui::Form& form) -> WindowHandle { return &form == &bk() ? 5 : 9; };
  machine.registry.Put(kSettingsKey, "BrowsekillWindow_Width", RegValue{RegType::Integer, {}, 700});
  machine.registry.Put(kSettingsKey, "BrowsekillWindow_Height", RegValue{RegType::Integer, {}, 100});
  StartWith({{}, {}, "", "DoubleClick_Action=1\r\n"});
  EXPECT_EQ(bk().width(), 700);
  EXPECT_EQ(bk().height(), 225) << "never below its minimum";
  EXPECT_EQ(bk().CheckListBox1.height(), 225 - 118);

  const std::vector<std::function<void()>> ways = {
      [&] { tray().BrowseKill1.userClick(); },
      [&] { tray().TrayMessage(kMouseLeftDoubleClick); },
      [&] { options().Button4.userClick(); },
  };
  ProcessId pid = 300;
  for (const auto& open : ways) {
    bk().BitBtn2.userClick();
    ASSERT_FALSE(bk().visible());
    machine.world.AddProcess(pid, "C:\\New\\p" + std::to_string(pid) + ".exe");
    open();
    EXPECT_TRUE(bk().visible());
    EXPECT_EQ(Rows().back(), "- p" + std::to_string(pid) + ".exe C:\\New\\");
    ++pid;
  }

  bk().BitBtn3.userClick();
  ASSERT_EQ(machine.help.calls.size(), 1u);
  EXPECT_EQ(machine.help.calls[0].data, 5u);
  EXPECT_EQ(machine.help.calls[0].owner, 5u) << "owned by the window";

  bk().setSize(640, 480);
  tray().Shutdown1Click();
  EXPECT_EQ(RegNumber("BrowsekillWindow_Width"), 640u);
  EXPECT_EQ(RegNumber("BrowsekillWindow_Height"), 480u);
}

// The program's own file is never listed among the other programs, in
// whatever letter case it runs (another copy of the program would lose its
// unsaved changes); configured, it is listed, and still never ended.
TEST_F(BrowseKillTest, TheProgramsOwnProcessIsNeverEndedFromTheWindow) {
  for (bool configured : {false, true}) {
    SCOPED_TRACE(configured ? "configured" : "listed");
    EndEverything();
    machine.world.SetSelf(4242, kExe);
    machine.world.AddProcess(4242, kExe);
    machine.world.AddProcess(4243, "c:\\tools\\QUELLMARCH.exe");
    machine.world.AddProcess(13, "C:\\Apps\\b.exe");
    StartWith({{}, {configured ? "1 C:\\Tools\\Quellmarch.exe" : "1 C:\\Other\\z.exe"}});
    bk().ShowAndRefresh();
    EXPECT_EQ(bk().CheckListBox1.indexOf(StoredToDisplay(kExe)), configured ? 0 : -1);
    EXPECT_EQ(bk().CheckListBox1.count(), configured ? 3 : 1) << "the separator and b.exe, or b.exe alone";
    if (configured) {
      RightClickRow(0);
      bk().Terminatethisprogramnow1.userClick();
    } else {
      bk().Button2.userClick();
      bk().BitBtn1.userClick();
      EXPECT_FALSE(Running(13));
      EXPECT_TRUE(Running(4243)) << "the other copy";
    }
    EXPECT_TRUE(Running(4242));
  }
}

}  // namespace
}  // namespace qm::test
