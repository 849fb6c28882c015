#include "app_fixture.h"

#include <algorithm>
#include <functional>

namespace qm::test {
namespace {

class TrayTest : public AppTest {
 protected:
  // Starts an instance on a file with these entries (and start-up lines).
  void StartWith(const QmfText& text) {
    machine.files.Put("C:\\t.qmf", text.Build());
    ASSERT_TRUE(Start("C:\\t.qmf"));
    backend.clearLog();
    machine.shell.calls.clear();
  }
  std::size_t Runs() const { return machine.shell.calls.size(); }
  const sim::TrayCall& LastTray() const { return machine.tray.calls.back(); }
};

TEST(TrayTip, AddsABlankAndCutsToSixtyThreeCharacters) {
  const std::string text63(63, 'x');
  const std::string text62(62, 'y');
  EXPECT_EQ(TrayTip(text63), text63);
  EXPECT_EQ(TrayTip(text62), text62 + " ");
  EXPECT_EQ(TrayTip(std::string(80, 'z')), std::string(63, 'z'));
  EXPECT_EQ(TrayTip(""), " ");
}

TEST_F(TrayTest, TheIconIsPlacedWithItsFixedRegistrationAndFollowsTheState) {
  StartWith({{"1 C:\\A.exe"}, {"1 *\\b.exe"}});
  ASSERT_GE(machine.tray.calls.size(), 2u);
  EXPECT_EQ(machine.tray.calls[0].action, TrayAction::Add);
  EXPECT_EQ(machine.tray.calls[0].data.tip, "");
  EXPECT_EQ(machine.tray.calls[0].data.icon, 0u);
  EXPECT_EQ(machine.tray.calls[1].action, TrayAction::Modify);
  EXPECT_EQ(LastTray().data.id, 1006u);
  EXPECT_EQ(LastTray().data.callbackMessage, 0x8064u);
  EXPECT_EQ(LastTray().data.icon, 1u);
  EXPECT_EQ(LastTray().data.tip, "Quellmarch: Double-Click to Terminate Processes ");

  tray().SetStateOff();
  EXPECT_EQ(LastTray().data.icon, 2u);
  EXPECT_EQ(LastTray().data.tip, "Quellmarch: Double-Click to Run Programs ");
  EXPECT_FALSE(tray().visible());
  EXPECT_TRUE(tray().Button1.enabled());
}

TEST_F(TrayTest, TypingATooltipChangesTheRunningIconAtOnce) {
  StartWith({{"1 C:\\A.exe"}, {}});
  options().OnTooltip.userSetText("Busy");
  EXPECT_EQ(LastTray().action, TrayAction::Modify);
  EXPECT_EQ(LastTray().data.tip, "Busy ");
  EXPECT_TRUE(options().ConfigDirty);
}

TEST_F(TrayTest, TheToggleTerminatesFromOnAndRunsFromOff) {
  StartWith({{"1 C:\\A.exe", "0 C:\\Skipped.exe"}, {"1 *\\b.exe"}});
  machine.world.AddProcess(40, "C:\\Apps\\b.exe");
  ASSERT_TRUE(tray().IsOn());
  tray().TrayMessage(kMouseLeftDoubleClick);
  EXPECT_FALSE(tray().IsOn());
  EXPECT_EQ(machine.world.FindLive(40), nullptr) << "the matching process ended";
  EXPECT_EQ(Runs(), 0u);

  tray().TrayMessage(kMouseLeftDoubleClick);
  EXPECT_TRUE(tray().IsOn());
  ASSERT_EQ(Runs(), 1u) << "only checked program entries run";
  EXPECT_EQ(machine.shell.calls[0].file, "C:\\A.exe");
  EXPECT_TRUE(Logged("show without focus TerminatingStatus"));
}

TEST_F(TrayTest, OneSidedListsRepeatTheirActionAtEveryToggle) {
  StartWith({{"1 C:\\A.exe"}, {"0 *\\b.exe"}, "Start_State=1\r\n"});
  tray().ToggleNow();
  tray().ToggleNow();
  EXPECT_EQ(Runs(), 2u);
  EXPECT_FALSE(tray().IsOn()) << "ends Off after running, so the next toggle runs again";

  StartWith({{"0 C:\\A.exe"}, {"1 *\\b.exe"}});
  machine.world.AddProcess(41, "C:\\b.exe");
  tray().ToggleNow();
  EXPECT_TRUE(tray().IsOn()) << "ends On after terminating";
  EXPECT_EQ(machine.world.FindLive(41), nullptr);
  machine.world.AddProcess(42, "C:\\b.exe");
  tray().ToggleNow();
  EXPECT_EQ(machine.world.FindLive(42), nullptr);
  EXPECT_EQ(Runs(), 0u);
}

TEST_F(TrayTest, NothingCheckedOpensTheOptionsAndTheHintInsteadOfActing) {
  StartWith({{"0 C:\\A.exe"}, {"0 *\\b.exe"}});
  tray().ToggleNow();
  EXPECT_TRUE(options().visible());
  EXPECT_TRUE(Logged("modal EmptyBoxes"));
  EXPECT_TRUE(tray().IsOn());
  EXPECT_EQ(Runs(), 0u);
}

TEST_F(TrayTest, EmptyListsAreExplainedAndLeaveTheStateAlone) {
  StartWith({{}, {"1 *\\b.exe"}, "Start_State=1\r\n"});
  tray().RunNow();
  EXPECT_EQ(AttentionText(), "There are no programs listed to run.");
  EXPECT_FALSE(tray().IsOn());

  StartWith({{"1 C:\\A.exe"}, {}});
  tray().TerminateNow();
  EXPECT_EQ(AttentionText(),
            "There are no processes listed for termination.  If you wanted to browse a list of running processes, "
            "use the BrowseKill option.");
  EXPECT_TRUE(tray().IsOn());
}

// The State menu of the Options window and the tray menu's two batches, each
// from the state it would change.
TEST_F(TrayTest, EachStateCommandDoesItsOwnThing) {
  struct Case {
    const char* name;
    std::function<ui::MenuItem&()> item;
    bool fromOn, toOn;
    std::size_t runs;
    bool ended;
  };
  const Case cases[] = {
      {"Run programs", [this]() -> ui::MenuItem& { return options().RunPrograms1; }, false, true, 1, false},
      {"Terminate programs", [this]() -> ui::MenuItem& { return options().TerminatePrograms1; }, true, false, 0, true},
      {"Set to On", [this]() -> ui::MenuItem& { return options().SetOn1; }, false, true, 0, false},
      {"Set to Off", [this]() -> ui::MenuItem& { return options().SetOff1; }, true, false, 0, false},
      {"tray Run", [this]() -> ui::MenuItem& { return tray().ToggleState1; }, false, true, 1, false},
      {"tray Terminate", [this]() -> ui::MenuItem& { return tray().TerminateProcesses1; }, true, false, 0, true},
  };
  for (const Case& c : cases) {
    StartWith({{"1 C:\\A.exe"}, {"1 *\\b.exe"}, c.fromOn ? "" : "Start_State=1\r\n"});
    machine.world.AddProcess(40, "C:\\b.exe");
    ASSERT_EQ(tray().IsOn(), c.fromOn) << c.name;
    c.item().userClick();
    EXPECT_EQ(tray().IsOn(), c.toOn) << c.name;
    EXPECT_EQ(Runs(), c.runs) << c.name;
    EXPECT_EQ(machine.world.FindLive(40) == nullptr, c.ended) << c.name;
    machine.world.EndProcess(40);
  }
}

TEST_F(TrayTest, RunningAnUncheckedProgramListStillSwitchesTheState) {
  StartWith({{"0 C:\\A.exe"}, {"0 *\\b.exe"}, "Start_State=1\r\n"});
  tray().ToggleState1.userClick();
  EXPECT_EQ(Runs(), 0u);
  EXPECT_FALSE(tray().IsOn()) << "On, then Off again since no process entry is checked";
}

TEST_F(TrayTest, QuitAfterActivatingShutsDownAfterAToggleButNotAfterMenuCommands) {
  StartWith({{"1 C:\\A.exe"}, {"1 *\\b.exe"}, "Quit_after_activate=1\r\n"});
  tray().TerminateProcesses1.userClick();
  tray().ToggleState1.userClick();
  EXPECT_FALSE(backend.quitRequested());

  tray().TrayMessage(kMouseLeftDoubleClick);
  EXPECT_TRUE(backend.quitRequested());
  EXPECT_EQ(LastTray().action, TrayAction::Delete);
  EXPECT_EQ(RegString(kSettingsKey, "LastFile"), "C:\\t.qmf");
}

TEST_F(TrayTest, TheDoubleClickActionCanOpenBrowseKillOrTheOptionsWindow) {
  StartWith({{"1 C:\\A.exe"}, {"1 *\\b.exe"}, "", "DoubleClick_Action=1\r\n"});
  int browseKills = 0;
  tray().BrowseKillNow = [&] { ++browseKills; };
  tray().TrayMessage(kMouseLeftDoubleClick);
  EXPECT_EQ(browseKills, 1);
  EXPECT_TRUE(tray().IsOn());

  StartWith({{"1 C:\\A.exe"}, {"1 *\\b.exe"}, "", "DoubleClick_Action=2\r\n"});
  options().setCaption("stale");
  tray().TrayMessage(kMouseLeftDoubleClick);
  EXPECT_TRUE(options().visible());
  EXPECT_EQ(options().caption(), "stale") << "shown without PreShow";
  EXPECT_TRUE(tray().IsOn());
}

TEST_F(TrayTest, EitherButtonOpensTheMenuAtTheCursorOrTheWindowWithoutOne) {
  StartWith({{"1 C:\\A.exe"}, {}});
  tray().TrayMessage(kMouseRightUp);
  EXPECT_EQ(Count("popup FormMain.PopupMenu1"), 1);
  tray().TrayMessage(kMouseLeftUp);
  EXPECT_EQ(Count("popup FormMain.PopupMenu1"), 1) << "a left click waits until it cannot be a double-click";
  EXPECT_TRUE(tray().MenuDelay.enabled());
  tray().MenuDelay.tick();
  EXPECT_EQ(Count("popup FormMain.PopupMenu1"), 2);
  EXPECT_FALSE(tray().MenuDelay.enabled());
  tray().TrayMessage(0x200);  // a mouse move does nothing
  EXPECT_EQ(Count("popup FormMain.PopupMenu1"), 2);

  machine.tray.cursor.reset();
  tray().TrayMessage(kMouseRightUp);
  EXPECT_TRUE(tray().visible());
  EXPECT_EQ(tray().caption(), "Tray Icon");

  std::vector<std::string> captions;
  for (const ui::MenuItem* item : tray().PopupMenu1.items()) captions.push_back(item->caption());
  EXPECT_EQ(captions, (std::vector<std::string>{"&Options", "&BrowseKill", "-", "&Run Programs",
                                                "&Terminate Processes", "-", "&Help", "&About", "-",
                                                "&Shutdown Quellmarch"}));
}

TEST_F(TrayTest, ARightClickDuringTheDoubleClickDelayOpensTheMenuOnlyOnce) {
  StartWith({{"1 C:\\A.exe"}, {}});
  tray().TrayMessage(kMouseLeftUp);
  tray().TrayMessage(kMouseRightUp);
  EXPECT_FALSE(tray().MenuDelay.enabled());
  tray().MenuDelay.tick();
  EXPECT_EQ(Count("popup FormMain.PopupMenu1"), 1);
}

TEST_F(TrayTest, ADoubleClickWhileTheHintIsOpenOnlyBringsItForward) {
  StartWith({{"0 C:\\A.exe"}, {"0 *\\b.exe"}});
  backend.answer<TEmptyBoxes>([this](TEmptyBoxes&) {
    tray().TrayMessage(kMouseLeftDoubleClick);
    return ui::ModalResult::Ok;
  });
  instance->app.guard([this] { tray().TrayMessage(kMouseLeftDoubleClick); });
  EXPECT_EQ(backend.log(), (std::vector<std::string>{"show OptionForm1", "modal EmptyBoxes", "show EmptyBoxes", "show EmptyBoxes",
                                                     "hide EmptyBoxes", "modal EmptyBoxes -> OK"}));
}

// A rejected pattern ends the command it came from: one report, no status
// window left on screen, and the state the command found.
TEST_F(TrayTest, AnErrorInABatchLeavesNeitherTheStatusWindowNorANewState) {
  std::string mask;
  for (int i = 0; i < 31; ++i) mask += "*x";
  struct Case {
    const char* name;
    QmfText text;
    std::function<void()> command;  // none: the action on launch
    bool on;
  };
  const Case cases[] = {
      {"double-click", {{"1 C:\\A.exe"}, {"1 " + mask}}, [this] { tray().TrayMessage(kMouseLeftDoubleClick); }, true},
      {"tray menu", {{"1 C:\\A.exe {nop " + mask + "}"}, {"1 *\\b.exe"}, "Start_State=1\r\n"},
       [this] { tray().ToggleState1.userClick(); }, false},
      {"activate on launch", {{"1 C:\\A.exe"}, {"1 " + mask}, "Activate_onLaunch=1\r\n"}, {}, true},
  };
  for (const Case& c : cases) {
    backend.clearLog();
    machine.files.Put("C:\\t.qmf", c.text.Build());
    ASSERT_TRUE(Start("C:\\t.qmf"));
    if (c.command) instance->app.guard(c.command);
    EXPECT_EQ(tray().IsOn(), c.on) << c.name;
    EXPECT_EQ(LastTray().data.icon, c.on ? 1u : 2u) << c.name;
    EXPECT_FALSE(instance->status.visible()) << c.name;
    const auto messages = std::count_if(backend.log().begin(), backend.log().end(),
                                        [](const std::string& line) { return line.rfind("message ", 0) == 0; });
    EXPECT_EQ(messages, 1) << c.name;
  }
}

TEST_F(TrayTest, ADoubleClickActsWithoutOpeningTheMenuOfItsFirstClick) {
  StartWith({{"1 C:\\A.exe"}, {}, "Start_State=1\r\n"});
  // What the shell sends for a double-click: up, double-click, up.
  tray().TrayMessage(kMouseLeftUp);
  tray().TrayMessage(kMouseLeftDoubleClick);
  tray().TrayMessage(kMouseLeftUp);
  EXPECT_FALSE(tray().MenuDelay.enabled());
  EXPECT_EQ(Count("popup FormMain.PopupMenu1"), 0);
  EXPECT_EQ(Runs(), 1u);

  tray().TrayMessage(kMouseLeftUp);
  EXPECT_TRUE(tray().MenuDelay.enabled()) << "the next click is a click again";
}

TEST_F(TrayTest, ShutdownAsksAboutUnsavedChangesAndACancelKeepsTheInstance) {
  StartWith({{"1 C:\\A.exe"}, {}});
  options().CheckBox3.userToggle();
  backend.answer<TFormSaveChanges>(ui::ModalResult::Cancel);
  tray().Shutdown1.userClick();
  EXPECT_FALSE(backend.quitRequested());
  EXPECT_EQ(LastTray().action, TrayAction::Modify);
  EXPECT_EQ(RegString(kSettingsKey, "LastFile"), "<absent>");

  backend.answer<TFormSaveChanges>(ui::ModalResult::Yes);
  tray().Shutdown1.userClick();
  EXPECT_TRUE(backend.quitRequested());
  EXPECT_NE(machine.files.ReadWholeFile("C:\\t.qmf")->find("Hide_errors=1"), std::string::npos);
  EXPECT_EQ(LastTray().action, TrayAction::Delete);
}

// Another program closing ours politely, or the system ending the session,
// runs the tray's shutdown: the question, the settings, the icon. A request
// that comes while the question is open changes nothing.
TEST_F(TrayTest, AnEndRequestFromOutsideShutsDownAsTheTrayDoes) {
  StartWith({{"1 C:\\A.exe"}, {}});
  options().CheckBox3.userToggle();
  bool repeated = true;
  backend.answer<TFormSaveChanges>([&](TFormSaveChanges&) {
    repeated = backend.requestEnd();
    return ui::ModalResult::Cancel;
  });
  EXPECT_FALSE(backend.requestEnd());
  EXPECT_FALSE(repeated);
  EXPECT_EQ(Count("modal FormSaveChanges"), 1);
  EXPECT_FALSE(backend.quitRequested());
  EXPECT_EQ(LastTray().action, TrayAction::Modify);
  EXPECT_EQ(RegString(kSettingsKey, "LastFile"), "<absent>");

  backend.answer<TFormSaveChanges>(ui::ModalResult::No);
  EXPECT_TRUE(backend.requestEnd());
  EXPECT_TRUE(backend.quitRequested());
  EXPECT_EQ(RegString(kSettingsKey, "LastFile"), "C:\\t.qmf");
  EXPECT_EQ(LastTray().action, TrayAction::Delete);
  const std::size_t calls = machine.tray.calls.size();
  EXPECT_TRUE(backend.requestEnd()) << "ending already";
  EXPECT_EQ(machine.tray.calls.size(), calls);
}

TEST_F(TrayTest, UncheckingPlaceOnTrayRemovesTheIcon) {
  StartWith({{"1 C:\\A.exe"}, {}});
  tray().CheckBox1.userToggle();
  EXPECT_EQ(LastTray().action, TrayAction::Delete);
  EXPECT_FALSE(tray().Button1.enabled());
  const std::size_t calls = machine.tray.calls.size();
  tray().RadioButton2.userCheck();
  EXPECT_EQ(machine.tray.calls.size(), calls) << "no icon to modify";
}

}  // namespace
}  // namespace qm::test
