#include "app_fixture.h"

#include <algorithm>
#include <functional>

#include "config/entry_grammar.h"
#include "engine/process_row.h"

namespace qm::test {
namespace {

using Lines = std::vector<std::string>;

class EntryEditingTest : public AppTest {
 protected:
  EntryEditingTest() {
    backend.answer<TFirstSelect>(ui::ModalResult::Ok);
    backend.answer<TFirstProgram>(ui::ModalResult::Ok);
    backend.answer<Tfirstprocess>(ui::ModalResult::Ok);
  }
  void StartWith(const QmfText& text) {
    machine.files.Put("C:\\t.qmf", text.Build());
    ASSERT_TRUE(Start("C:\\t.qmf"));
    options().ConfigDirty = false;
    backend.clearLog();
  }
  TProgramEntry& programDialog() { return instance->programEntry; }
  TProcessEntry& processDialog() { return instance->processEntry; }
  TFormProc& picker() { return instance->formProc; }
  ui::CheckListBox& programs() { return options().CheckListBox1; }
  ui::CheckListBox& processes() { return options().CheckListBox2; }
  static Lines Stored(const EntryList& list) {
    Lines stored;
    for (std::size_t i = 0; i < list.Count(); ++i) stored.push_back(list.StoredText(i));
    return stored;
  }
  // A number among the global settings.
  std::uint32_t Setting(const std::string& name) {
    RegValue value;
    machine.registry.QueryValue(kSettingsKey, name, value);
    return value.number;
  }
  Lines Modals() const {
    Lines shown;
    for (const std::string& line : backend.log()) {
      if (line.rfind("modal ", 0) == 0 && line.find(" -> ") == std::string::npos) shown.push_back(line.substr(6));
    }
    return shown;
  }
};

TEST_F(EntryEditingTest, EditingPutsEveryTagIntoItsFieldAndOkComposesTheEntryBackInPlace) {
  struct Case {
    bool process;
    int index;
    ProgramEntryFields program;
    ProcessEntryFields pattern;
    std::string after;
  };
  const Case cases[] = {
      {false, 0, {"C:\\Tools\\mailer.exe", "-check", "C:\\Mail", "*\\mailer.exe", "daily", StartMode::Minimized}, {},
       "C:\\Tools\\mailer.exe {arg -check} {dir C:\\Mail} {nop *\\mailer.exe} {rem daily} {min}"},
      // A tag the dialog has no field for is gone once the edit is confirmed.
      {false, 1, {"C:\\A.exe", "", "", "", "", StartMode::Maximized}, {}, "C:\\A.exe {max}"},
      // Of two start modes the one nearer the start of the line shows.
      {false, 2, {"C:\\B.exe", "", "", "", "", StartMode::Minimized}, {}, "C:\\B.exe {min}"},
      // The display text of this name cannot be turned back; the item's own stored text is edited.
      {false, 3, {"C:\\Very Long Folder\\an extremely long file name.exe", "x", "", "", "", StartMode::Normal}, {},
       "C:\\Very Long Folder\\an extremely long file name.exe {arg x}"},
      {true, 0, {}, {"*\\b.exe", TerminationMode::Harsh, "r"}, "*\\b.exe {harsh} {rem r}"},
      {true, 1, {}, {"*\\c.exe", TerminationMode::Polite, ""}, "*\\c.exe {polite}"},
      {true, 2, {}, {"Untitled - Notepad", TerminationMode::Normal, ""}, "Untitled - Notepad"},
      {true, 3, {}, {"*\\d.exe", TerminationMode::Learn, ""}, "*\\d.exe {learn}"},
  };
  StartWith({{"1 C:\\Tools\\mailer.exe {arg -check} {dir C:\\Mail} {nop *\\mailer.exe} {rem daily} {min}",
              "0 C:\\A.exe {max} {harsh}", "1 C:\\B.exe {min} {max}",
              "1 C:\\Very Long Folder\\an extremely long file name.exe {arg x}"},
             {"1 *\\b.exe {harsh} {rem r}", "0 *\\c.exe {polite} {learn}", "1 Untitled - Notepad",
              "0 *\\d.exe {rem} {learn} {max}"}});
  for (const Case& c : cases) {
    ui::CheckListBox& list = c.process ? processes() : programs();
    EntryList& entries = c.process ? options().ProcessEntries() : options().ProgramEntries();
    const bool checked = list.checked(c.index);
    backend.answer<TProgramEntry>([&](TProgramEntry& d) {
      EXPECT_EQ(d.Fields(), c.program) << c.after;
      return ui::ModalResult::Ok;
    });
    backend.answer<TProcessEntry>([&](TProcessEntry& d) {
      EXPECT_EQ(d.Fields(), c.pattern) << c.after;
      EXPECT_FALSE(d.CheckBox1.checked());
      return ui::ModalResult::Ok;
    });
    options().ConfigDirty = false;
    list.userDoubleClick(c.index);
    EXPECT_EQ(entries.StoredText(c.index), c.after);
    EXPECT_EQ(list.item(c.index), StoredToDisplay(c.after));
    EXPECT_EQ(list.checked(c.index), checked) << c.after;
    EXPECT_EQ(list.count(), 4);
    EXPECT_TRUE(options().ConfigDirty);
  }
  EXPECT_EQ(Modals().size(), 8u) << "no hint on edits";
}

TEST_F(EntryEditingTest, CancelChangesNothingAndEachEditStartsFromItsOwnEntry) {
  StartWith({{"1 C:\\A.exe {rem note}", "0 C:\\B.exe"}, {"0 *\\b.exe {polite}"}});
  const Lines before = Stored(options().ProgramEntries());
  backend.answer<TProgramEntry>([](TProgramEntry& d) {
    d.Edit1.userSetText("C:\\Other.exe");
    d.RadioButton2.userCheck();
    return ui::ModalResult::Cancel;
  });
  programs().userDoubleClick(0);
  EXPECT_EQ(Stored(options().ProgramEntries()), before);
  EXPECT_FALSE(options().ConfigDirty);

  backend.answer<TProgramEntry>([](TProgramEntry& d) {
    EXPECT_EQ(d.Edit5.text(), "") << "the comment of the entry edited before is gone";
    EXPECT_TRUE(d.RadioButton3.checked());
    return ui::ModalResult::Ok;
  });
  programs().userDoubleClick(1);
  EXPECT_FALSE(programs().checked(1));
  // The process dialog's mode after an edit is that entry's, not the one of a new entry.
  backend.answer<TProcessEntry>([](TProcessEntry& d) {
    EXPECT_TRUE(d.RadioButton3.checked());
    return ui::ModalResult::Cancel;
  });
  processes().userDoubleClick(0);
  EXPECT_EQ(options().ProcessEntries().StoredText(0), "*\\b.exe {polite}");
}

// The tray stays live under an open dialog: a toggle's learning may rewrite
// the entry, and the list may change around it. The edit still replaces the
// entry it was opened for, found wherever it is now; an entry that is gone
// takes the edit as a new entry.
TEST_F(EntryEditingTest, AnEditReplacesTheEntryItWasOpenedForWhateverHappenedMeanwhile) {
  struct Case {
    const char* what;
    std::function<void()> meanwhile;
    Lines after;
    int selected;
  };
  const Case cases[] = {
      {"learning rewrote it", [this] { tray().TerminateProcesses1.userClick(); },
       {"*\\a.exe", "*\\d.exe {learn} {rem mine}"}, 1},
      {"the entry above it went", [this] { options().ProcessEntries().Remove(0); },
       {"*\\d.exe {learn} {rem mine}"}, 0},
      {"it went", [this] { options().ProcessEntries().Remove(1); }, {"*\\a.exe", "*\\d.exe {learn} {rem mine}"}, 1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    instance.reset();
    if (machine.world.FindLive(40) == nullptr) machine.world.AddProcess(40, "C:\\Apps\\d.exe");
    StartWith({{}, {"0 *\\a.exe", "1 *\\d.exe {learn}"}});
    backend.answer<TProcessEntry>([&](TProcessEntry& d) {
      c.meanwhile();
      d.Edit5.userSetText("mine");
      return ui::ModalResult::Ok;
    });
    processes().userDoubleClick(1);
    EXPECT_EQ(Stored(options().ProcessEntries()), c.after);
    EXPECT_EQ(processes().itemIndex(), c.selected);
    EXPECT_TRUE(processes().checked(c.selected));
  }
}

TEST_F(EntryEditingTest, AddComposesANewCheckedSelectedEntryAndTheCompanionWhenAskedFor) {
  struct Case {
    const char* name;
    std::function<void()> add;
    Lines programs;
    Lines processes;
    int programSelected;
    int processSelected;
  };
  const Case cases[] = {
      {"program", [this] { options().AddProgram1.userClick(); },
       {"C:\\Old.exe", "C:\\P?1?.exe  {arg -a b} {rem two words} {max}"}, {"*\\old.exe"}, 1, -1},
      {"process", [this] { options().AddProcess1.userClick(); }, {"C:\\Old.exe"},
       {"*\\old.exe", "C:\\Apps\\b?1?.exe {learn}"}, -1, 1},
      {"process and companion",
       [this] {
         processDialog().CheckBox1.setChecked(true);  // cleared again before the dialog shows
         backend.answer<TProcessEntry>([](TProcessEntry& d) {
           EXPECT_FALSE(d.CheckBox1.checked());
           d.Edit1.userSetText(" C:\\Apps\\b{1}.exe ");
           d.CheckBox1.userToggle();
           return ui::ModalResult::Ok;
         });
         options().AddProcess1.userClick();
       },
       {"C:\\Old.exe", "C:\\Apps\\b?1?.exe {nop C:\\Apps\\b?1?.exe}"},
       {"*\\old.exe", "C:\\Apps\\b?1?.exe {learn}"}, 1, 1},
      {"an edit and its companion",
       [this] {
         backend.answer<TProcessEntry>([](TProcessEntry& d) {
           d.Edit1.userSetText("*\\new.exe");
           d.CheckBox1.userToggle();
           return ui::ModalResult::Ok;
         });
         processes().userDoubleClick(0);
       },
       {"C:\\Old.exe", "*\\new.exe {nop *\\new.exe}"}, {"*\\new.exe"}, 1, 0},
  };
  for (const Case& c : cases) {
    instance.reset();
    StartWith({{"0 C:\\Old.exe"}, {"0 *\\old.exe"}});
    processDialog().RadioButton1.setChecked(true);  // Add selects "Learning Mode" again
    backend.answer<TProgramEntry>([](TProgramEntry& d) {
      d.Edit1.userSetText("C:\\P{1}.exe ");
      d.Edit2.userSetText("-a b");
      d.Edit5.userSetText("two words");
      d.RadioButton2.userCheck();
      return ui::ModalResult::Ok;
    });
    backend.answer<TProcessEntry>([](TProcessEntry& d) {
      EXPECT_TRUE(d.RadioButton4.checked());
      d.Edit1.userSetText(" C:\\Apps\\b{1}.exe ");
      return ui::ModalResult::Ok;
    });
    c.add();
    EXPECT_EQ(Stored(options().ProgramEntries()), c.programs) << c.name;
    EXPECT_EQ(Stored(options().ProcessEntries()), c.processes) << c.name;
    EXPECT_EQ(programs().itemIndex(), c.programSelected) << c.name;
    EXPECT_EQ(processes().itemIndex(), c.processSelected) << c.name;
    EXPECT_FALSE(programs().checked(0)) << c.name;
    EXPECT_EQ(programs().checkedCount() + processes().checkedCount(), c.programs.size() + c.processes.size() - 2)
        << c.name << ": every new entry is checked";
    EXPECT_TRUE(options().ConfigDirty) << c.name;
  }
}

TEST_F(EntryEditingTest, APressSelectsTheItemUnderThePointerButNotBelowTheLastItem) {
  struct Case {
    int before;
    ui::MouseButton button;
    int y;
    int after;
  };
  const Case cases[] = {
      {-1, ui::MouseButton::Right, 20, 1},  {2, ui::MouseButton::Left, 3, 0},
      {0, ui::MouseButton::Right, 200, 0},  {-1, ui::MouseButton::Right, 200, -1},
      {1, ui::MouseButton::Middle, 44, 2},
  };
  StartWith({{"1 C:\\A.exe", "1 C:\\B.exe", "1 C:\\C.exe"}, {"1 *\\a.exe", "1 *\\b.exe", "1 *\\c.exe"}});
  for (ui::CheckListBox* list : {&programs(), &processes()}) {
    for (const Case& c : cases) {
      list->setItemIndex(c.before);
      list->userMouseDown(c.button, 30, c.y);
      EXPECT_EQ(list->itemIndex(), c.after) << list->name() << " y " << c.y;
    }
  }
  // The menu then acts on the item that was selected before the press below the list.
  programs().userMouseDown(ui::MouseButton::Right, 30, 200);
  options().DeleteProgram1.userClick();
  EXPECT_EQ(Stored(options().ProgramEntries()), (Lines{"C:\\A.exe", "C:\\B.exe"}));
}

TEST_F(EntryEditingTest, DeleteRemovesTheSelectedEntryAtOnceAndMarksTheChange) {
  for (bool process : {false, true}) {
    SCOPED_TRACE(process ? "process list" : "program list");
    instance.reset();
    StartWith({{"1 C:\\A.exe", "0 C:\\B.exe", "1 C:\\C.exe"}, {"1 *\\a.exe", "0 *\\b.exe", "1 *\\c.exe"}});
    (process ? processes() : programs()).setItemIndex(1);
    (process ? options().DeleteProcess1 : options().DeleteProgram1).userClick();
    EXPECT_EQ(Stored(options().ProgramEntries()),
              process ? (Lines{"C:\\A.exe", "C:\\B.exe", "C:\\C.exe"}) : (Lines{"C:\\A.exe", "C:\\C.exe"}));
    EXPECT_EQ(Stored(options().ProcessEntries()),
              process ? (Lines{"*\\a.exe", "*\\c.exe"}) : (Lines{"*\\a.exe", "*\\b.exe", "*\\c.exe"}));
    EXPECT_TRUE(options().ConfigDirty);
    EXPECT_TRUE(Modals().empty()) << "no question";
  }
}

TEST_F(EntryEditingTest, EveryCommandThatNeedsAnEntryAsksForASelectionAndDoesNothingElse) {
  const std::pair<const char*, std::function<void()>> commands[] = {
      {"Edit", [this] { options().EditProgram1.userClick(); }},
      {"Delete", [this] { options().DeleteProgram1.userClick(); }},
      {"Run Now", [this] { options().RunNow1.userClick(); }},
      {"double-click", [this] { programs().userDoubleClick(-1); }},
      {"Edit process", [this] { options().EditProcess1.userClick(); }},
      {"Delete process", [this] { options().DeleteProcess1.userClick(); }},
      {"Terminate Now", [this] { options().TerminateNow1.userClick(); }},
      {"double-click process", [this] { processes().userDoubleClick(-1); }},
  };
  StartWith({});
  for (const auto& [name, command] : commands) {
    backend.clearLog();
    command();
    EXPECT_EQ(Modals(), (Lines{"FirstSelect"})) << name;
    EXPECT_EQ(instance->firstSelect.Label1.caption(), "You must first select an entry");
    EXPECT_FALSE(instance->status.visible()) << name;
    EXPECT_FALSE(options().ConfigDirty) << name;
  }
  EXPECT_TRUE(machine.shell.calls.empty());
}

TEST_F(EntryEditingTest, AHintShowsOnAddWhileItsFlagIsSetUntilItsBoxIsCheckedOnce) {
  struct Case {
    bool process;
    bool flag;
    bool boxChecked;
    ui::ModalResult dialog;
    bool shown;
    bool flagAfter;
  };
  const Case cases[] = {
      {false, true, false, ui::ModalResult::Ok, true, true},
      {false, true, true, ui::ModalResult::Cancel, true, false},
      {false, false, false, ui::ModalResult::Ok, false, false},
      {true, true, false, ui::ModalResult::Cancel, true, true},
      {true, true, true, ui::ModalResult::Ok, true, false},
      {true, false, true, ui::ModalResult::Ok, false, false},
  };
  StartWith({});
  for (const Case& c : cases) {
    bool& flag = c.process ? instance->settings.ProcessHint : instance->settings.ProgramHint;
    flag = c.flag;
    instance->firstProgram.CheckBox1.setChecked(c.boxChecked);
    instance->firstprocess.CheckBox1.setChecked(c.boxChecked);
    backend.answer<TProgramEntry>(c.dialog);
    backend.answer<TProcessEntry>(c.dialog);
    backend.clearLog();
    (c.process ? options().AddProcess1 : options().AddProgram1).userClick();
    const std::string dialog = c.process ? "ProcessEntry" : "ProgramEntry";
    const std::string hint = c.process ? "firstprocess" : "FirstProgram";
    const Lines expected = c.shown ? Lines{"show " + dialog, "modal " + hint, "modal " + hint + " -> OK",
                                           "hide " + dialog, "modal " + dialog}
                                   : Lines{"modal " + dialog};
    Lines seen;
    for (const std::string& line : backend.log()) {
      if (line.rfind("modal ", 0) == 0 || line == "show " + dialog || line == "hide " + dialog) seen.push_back(line);
    }
    seen.resize(std::min(seen.size(), expected.size()));
    EXPECT_EQ(seen, expected) << dialog << " flag " << c.flag;
    EXPECT_EQ(flag, c.flagAfter) << dialog << " flag " << c.flag << " box " << c.boxChecked;
  }
  instance->settings.ProgramHint = false;
  instance->settings.ProcessHint = true;
  options().ConfigDirty = false;
  tray().Shutdown1Click();
  EXPECT_EQ(Setting("ProgramHint"), 0u);
  EXPECT_EQ(Setting("ProcessHint"), 1u);
}

// The hint stands over the entry dialog; the Options window behind it takes
// no clicks meanwhile, so neither a second edit nor a second Add can start
// inside the hint's loop. The tray stays live.
TEST_F(EntryEditingTest, WhileAHintIsUpTheOptionsWindowTakesNoInput) {
  StartWith({{"1 C:\\A.exe"}, {}});
  instance->settings.ProgramHint = true;
  backend.answer<TProgramEntry>(ui::ModalResult::Cancel);
  backend.answer<TFirstProgram>([this](TFirstProgram&) {
    programs().userDoubleClick(0);
    options().AddProgram1.userClick();
    options().EditProgram1.userClick();
    EXPECT_FALSE(options().enabled());
    EXPECT_FALSE(programDialog().enabled()) << "the dialog shown behind the hint";
    tray().Properties1.userClick();
    EXPECT_TRUE(options().visible());
    return ui::ModalResult::Ok;
  });
  options().AddProgram1.userClick();
  EXPECT_EQ(Modals(), (Lines{"FirstProgram", "ProgramEntry"}));
  EXPECT_TRUE(options().enabled());
  EXPECT_TRUE(programDialog().enabled());
}

TEST_F(EntryEditingTest, RunNowAndTerminateNowShowTheirStepsAndPauseFiveDelaysBeyondTheWork) {
  StartWith({{"0 C:\\Apps\\A.exe {min}"}, {"0 *\\b.exe {learn}"}});
  instance->config->Message_Delay = 150;
  machine.world.AddProcess(40, "C:\\Apps\\b.exe");
  machine.world.AddWindow(40, "b");
  const std::string progress = "progress TerminatingStatus.ProgressBar1: ";
  const std::string text = "text TerminatingStatus.StatusBar1: ";
  const std::string show = "show without focus TerminatingStatus";
  struct Case {
    ui::CheckListBox& list;
    ui::MenuItem& command;
    Lines first;
  };
  const Case cases[] = {
      {programs(), options().RunNow1, {progress + "50", text + "Runnning C:\\Apps\\A.exe {min}", show}},
      {processes(), options().TerminateNow1, {show, progress + "50", text + "Searching for *\\b.exe {learn}"}},
  };
  for (const Case& c : cases) {
    c.list.setItemIndex(0);
    backend.clearLog();
    const std::uint64_t start = machine.world.Now();
    c.command.userClick();
    Lines steps;
    for (const std::string& line : backend.log()) {
      if (line.find("TerminatingStatus") != std::string::npos && line.rfind("paint", 0) != 0) steps.push_back(line);
    }
    ASSERT_GE(steps.size(), 6u);
    EXPECT_EQ(Lines(steps.begin(), steps.begin() + 3), c.first);
    EXPECT_EQ(Lines(steps.end() - 3, steps.end()), (Lines{progress + "75", progress + "100", "hide TerminatingStatus"}));
    EXPECT_EQ(machine.world.Now() - start, 750u) << c.first[0];
  }
  ASSERT_EQ(machine.shell.calls.size(), 1u) << "an unchecked entry runs as well";
  EXPECT_EQ(machine.world.FindLive(40), nullptr);
  // Learning rewrote the entry, and the terminator marked the change.
  EXPECT_EQ(options().ProcessEntries().StoredText(0), "*\\b.exe");
  EXPECT_EQ(processes().item(0), StoredToDisplay("*\\b.exe"));
  EXPECT_FALSE(processes().checked(0));
  EXPECT_TRUE(options().ConfigDirty);

  // A long entry is shortened to fill the status line's 85 columns but one.
  const std::string longName = "C:\\" + std::string(120, 'x') + "\\end.exe";
  options().ProgramEntries().AppendStored(longName, false);
  options().ProcessEntries().AppendStored(longName, false);
  for (const Case& c : cases) {
    c.list.setItemIndex(1);
    backend.clearLog();
    c.command.userClick();
    const auto line = std::find_if(backend.log().begin(), backend.log().end(),
                                   [&](const std::string& l) { return l.rfind(text, 0) == 0; });
    ASSERT_NE(line, backend.log().end());
    const std::string shown = line->substr(text.size());
    EXPECT_EQ(shown.size(), 84u) << shown;
    EXPECT_EQ(shown.substr(shown.size() - 8), "\\end.exe") << shown;
  }
}

// The first row whose name text begins with `start`; -1 for none.
int RowOf(const TFormProc& picker, const std::string& start) {
  for (int i = 0; i < picker.ListBox1.count(); ++i) {
    if (Trim(RowNameText(picker.ListBox1.item(i))).rfind(start, 0) == 0) return i;
  }
  return -1;
}

TEST_F(EntryEditingTest, ThePickerShowsTheLastRefreshAndHandsTheChosenRowToTheField) {
  machine.world.AddProcess(12, "C:\\WINDOWS\\NOTEPAD.EXE");
  machine.world.AddWindow(12, "Untitled - Notepad");
  StartWith({{}, {"1 *\\gone.exe"}});
  // Nothing refreshed the snapshot yet in this run: an empty, greyed list until REFRESH.
  backend.answer<TFormProc>([](TFormProc& p) {
    EXPECT_FALSE(p.ListBox1.enabled());
    EXPECT_EQ(p.ListBox1.count(), 0);
    p.Button1.userClick();
    EXPECT_TRUE(p.ListBox1.enabled());
    EXPECT_GE(RowOf(p, "NOTEPAD.EXE"), 0);
    return ui::ModalResult::Cancel;
  });
  programDialog().PickProcess();
  EXPECT_EQ(programDialog().Edit4.text(), "");

  struct Case {
    const char* name;
    std::function<ui::ModalResult(TFormProc&)> pick;
    std::string field;
  };
  const Case cases[] = {
      {"Cancel",
       [](TFormProc& p) {
         p.ListBox1.userSelect(RowOf(p, "NOTEPAD.EXE"));
         return ui::ModalResult::Cancel;
       },
       "before"},
      {"OK without a row", [](TFormProc&) { return ui::ModalResult::Ok; }, "before"},
      {"a click, then OK",
       [](TFormProc& p) {
         p.ListBox1.userSelect(RowOf(p, "NOTEPAD.EXE"));
         EXPECT_EQ(p.modalResult(), ui::ModalResult::None) << "a click only selects";
         p.BitBtn1.userClick();
         return ui::ModalResult::None;
       },
       "C:\\WINDOWS\\NOTEPAD.EXE"},
      {"a double-click",
       [](TFormProc& p) {
         p.ListBox1.userDoubleClick(RowOf(p, "NOTEPAD.EXE"));
         return ui::ModalResult::None;
       },
       "C:\\WINDOWS\\NOTEPAD.EXE"},
      {"a window title",
       [](TFormProc& p) {
         p.CheckBox1.userToggle();
         const int title = RowOf(p, "Untitled - Notepad");
         EXPECT_EQ(title, RowOf(p, "NOTEPAD.EXE") + 1) << "at once, indented under its process";
         EXPECT_EQ(p.ListBox1.item(title), std::string(17, ' ') + "Untitled - Notepad");
         p.ListBox1.userDoubleClick(title);
         return ui::ModalResult::None;
       },
       "Untitled - Notepad"},
  };
  for (const Case& c : cases) {
    processDialog().Edit1.setText("before");
    backend.answer<TFormProc>(c.pick);
    processDialog().SpeedButton1.userClick();
    EXPECT_EQ(processDialog().Edit1.text(), c.field) << c.name;
  }

  // The terminator refreshes while the picker is hidden, with the titles box
  // still checked: the picker shows those rows, raw, the next time.
  processes().setItemIndex(0);
  options().TerminateNow1.userClick();
  backend.answer<TFormProc>([](TFormProc& p) {
    const int raw = RowOf(p, "Untitled - Notepad");
    EXPECT_EQ(p.ListBox1.item(raw), PidText(12) + std::string(11, ' ') + "^Untitled - Notepad");
    p.ListBox1.userSelect(raw);
    p.CheckBox1.userToggle();
    EXPECT_EQ(RowOf(p, "Untitled - Notepad"), -1) << "clearing the box drops the title rows at once";
    p.ListBox1.userSelect(RowOf(p, "NOTEPAD.EXE"));
    return ui::ModalResult::Ok;
  });
  programDialog().SpeedButton2.userClick();
  EXPECT_EQ(programDialog().Edit4.text(), "C:\\WINDOWS\\NOTEPAD.EXE");
}

TEST_F(EntryEditingTest, EachDialogsHelpButtonOpensItsTopicOwnedByTheDialog) {
  windowHandle = [this](const ui::Form& form) -> WindowHandle {
    if (&form == &picker()) return 1;
    if (&form == &programDialog()) return 2;
    return &form == &processDialog() ? 3 : 9;
  };
  StartWith({});
  const std::pair<ui::Button*, WindowHandle> buttons[] = {
      {&picker().BitBtn3, 1}, {&programDialog().BitBtn3, 2}, {&processDialog().BitBtn3, 3}};
  for (const auto& [button, topic] : buttons) {
    machine.help.calls.clear();
    button->userClick();
    ASSERT_EQ(machine.help.calls.size(), 1u) << topic;
    EXPECT_EQ(machine.help.calls[0].owner, topic);
    EXPECT_EQ(machine.help.calls[0].command, kHelpContext);
    EXPECT_EQ(machine.help.calls[0].data, topic) << "topics 1, 2, 3 in the order of the windows";
  }
}

TEST_F(EntryEditingTest, TheProgramFileDialogStartsInTheFolderOfTheTypedFile) {
  struct Case {
    std::string typed;
    std::optional<std::string> chosen;
    std::string folder;
    std::string after;
  };
  const Case cases[] = {
      {"", std::nullopt, "", ""},
      {"C:\\TOOLS\\X.EXE", "C:\\Other\\Y.EXE", "C:\\TOOLS\\", "C:\\Other\\Y.EXE"},
      {"D:X.EXE", std::nullopt, "D:", "D:X.EXE"},
  };
  StartWith({});
  for (const Case& c : cases) {
    programDialog().Edit1.setText(c.typed);
    backend.queueFile(c.chosen);
    programDialog().SpeedButton1.userClick();
    EXPECT_EQ(programDialog().OpenDialog1.initialDir, c.folder) << c.typed;
    EXPECT_EQ(programDialog().Edit1.text(), c.after) << c.typed;
  }
  EXPECT_TRUE(Logged("file dialog \"Select Executable Program to Add to Run List\" -> C:\\Other\\Y.EXE"));
}

TEST_F(EntryEditingTest, BracesLineBreaksAndLongTextsMakeOneLineThatLoadsBackWhole) {
  const std::string x300(300, 'x');
  struct Case {
    ProgramEntryFields typed;
    std::string stored;
  };
  const Case cases[] = {
      {{"C:\\a{b}.exe", "{x}", "", "", "r}", StartMode::Normal}, "C:\\a?b?.exe {arg ?x?} {rem r?}"},
      {{"C:\\two\r\nlines.exe", "-a\n-b\r-c", "", "", "", StartMode::Minimized}, "C:\\two lines.exe {arg -a -b -c} {min}"},
      {{"C:\\" + x300, x300, x300, x300, x300, StartMode::Normal},
       "C:\\" + x300 + " {arg " + x300 + "} {dir " + x300 + "} {nop " + x300 + "} {rem " + x300 + "}"},
      {{std::string(3000, 'p'), "", "", "", "", StartMode::Normal}, std::string(400, 'p')},
  };
  StartWith({});
  for (const Case& c : cases) {
    backend.answer<TProgramEntry>([&](TProgramEntry& d) {
      d.Edit1.userSetText(c.typed.Program);
      d.Edit2.userSetText(c.typed.Arguments);
      d.Edit3.userSetText(c.typed.Directory);
      d.Edit4.userSetText(c.typed.SkipIfRunning);
      d.Edit5.userSetText(c.typed.Remark);
      (c.typed.Start == StartMode::Minimized ? d.RadioButton1 : d.RadioButton3).userCheck();
      return ui::ModalResult::Ok;
    });
    options().AddProgram1.userClick();
  }
  Lines expected;
  for (const Case& c : cases) expected.push_back(c.stored);
  ASSERT_EQ(Stored(options().ProgramEntries()), expected);
  ASSERT_TRUE(options().SaveConfigFile("C:\\saved.qmf"));
  ASSERT_TRUE(options().LoadConfigFile("C:\\saved.qmf"));
  EXPECT_EQ(Stored(options().ProgramEntries()), expected);
}

TEST_F(EntryEditingTest, ThePickerTakesItsStoredSizeNeverBelowItsMinimumAndStoresItAtShutdown) {
  machine.registry.Put(kSettingsKey, "ProcWindow_Width", RegValue{RegType::Integer, {}, 800});
  machine.registry.Put(kSettingsKey, "ProcWindow_Height", RegValue{RegType::Integer, {}, 3});
  StartWith({});
  EXPECT_EQ(picker().width(), 800);
  EXPECT_EQ(picker().height(), 160);
  picker().setSize(630, 160);
  EXPECT_EQ(picker().BitBtn2.bounds(), (ui::Rect{536, 85, 75, 25}));
  EXPECT_EQ(picker().ListBox1.height(), 57);
  picker().userResized(640, 300, 632, 273);
  tray().Shutdown1Click();
  EXPECT_EQ(Setting("ProcWindow_Width"), 640u);
  EXPECT_EQ(Setting("ProcWindow_Height"), 300u);
}

}  // namespace
}  // namespace qm::test
