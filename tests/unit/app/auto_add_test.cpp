#include "app_fixture.h"

#include "config/entry_grammar.h"

namespace qm::test {
namespace {

constexpr char kNothingNew[] = "message Quellmarch: No new programs found running to add to Terminate or Run lists.";

class AutoAddTest : public AppTest {
 protected:
  AutoAddTest() {
    backend.answer<TAutoAddForm>(ui::ModalResult::Ok);
    backend.answer<TAfterAddForm>([this](TAfterAddForm& w) {
      reports.push_back(w.Label1.caption());
      return ui::ModalResult::Ok;
    });
  }
  void StartWith(const QmfText& text) {
    machine.files.Put("C:\\t.qmf", text.Build());
    ASSERT_TRUE(Start("C:\\t.qmf"));
    backend.clearLog();
  }
  void EndEverything() {
    for (sim::SimProcess& p : machine.world.AllProcesses()) machine.world.EndProcess(p.pid);
  }
  void RunAutoAdd() { options().RunAutoAdd1.userClick(); }
  // The stored texts from item `from` on, checked ones marked "x".
  static std::vector<std::string> Stored(const EntryList& list, std::size_t from = 0) {
    std::vector<std::string> out;
    for (std::size_t i = from; i < list.Count(); ++i) {
      out.push_back((list.Checked(i) ? "x " : "- ") + list.StoredText(i));
    }
    return out;
  }
  std::vector<std::string> reports;
};

TEST_F(AutoAddTest, EachListGetsAnEntryForEveryRunningProgramItDoesNotNameYet) {
  auto process = [](const std::string& path) { return "x " + path + " {rem autoadded} {polite}"; };
  auto program = [](const std::string& path) { return "x " + path + " {rem autoadded} {nop " + path + "}"; };
  struct Case {
    const char* what;
    std::vector<std::pair<ProcessId, std::string>> running;
    std::vector<std::string> programEntries;
    std::vector<std::string> processEntries;
    bool windowTitles;
    std::vector<std::string> addedPrograms;
    std::vector<std::string> addedProcesses;
    std::string report;  // the result label, or empty for the "nothing new" message
  };
  const Case cases[] = {
      {"three new programs, in snapshot order",
       {{31, "C:\\B\\b.exe"}, {30, "C:\\A\\a.exe"}, {32, "C:\\C\\c.exe"}}, {}, {}, false,
       {program("C:\\A\\a.exe"), program("C:\\B\\b.exe"), program("C:\\C\\c.exe")},
       {process("C:\\A\\a.exe"), process("C:\\B\\b.exe"), process("C:\\C\\c.exe")},
       "3 processes added to Termination list, 3 added to Run list."},
      {"named in the program list only, unchecked: a process entry only",
       {{30, "C:\\A\\a.exe"}}, {"0 C:\\A\\a.exe"}, {}, false, {}, {process("C:\\A\\a.exe")},
       "1 processes added to Termination list, 0 added to Run list."},
      {"named in the process list only: a program entry only",
       {{30, "C:\\A\\a.exe"}}, {}, {"0 C:\\A\\a.exe"}, false, {program("C:\\A\\a.exe")}, {},
       "0 processes added to Termination list, 1 added to Run list."},
      {"two processes of one program: one entry each",
       {{30, "C:\\A\\a.exe"}, {31, "C:\\A\\a.exe"}}, {}, {}, false, {program("C:\\A\\a.exe")},
       {process("C:\\A\\a.exe")}, "1 processes added to Termination list, 1 added to Run list."},
      {"another letter case is another program; tags do not count",
       {{30, "C:\\A\\a.exe"}}, {"1 C:\\A\\a.exe {arg -x} {min}"}, {"1 C:\\A\\A.EXE"}, false, {},
       {process("C:\\A\\a.exe")}, "1 processes added to Termination list, 0 added to Run list."},
      {"braces in a name become question marks",
       {{30, "C:\\A\\x{1}.exe"}}, {}, {}, false, {program("C:\\A\\x?1?.exe")}, {process("C:\\A\\x?1?.exe")},
       "1 processes added to Termination list, 1 added to Run list."},
      {"unsafe and window rows add nothing, window titles listed",
       {{40, "C:\\WINDOWS\\EXPLORER.EXE"}, {41, "C:\\A\\a.exe"}}, {"1 C:\\A\\a.exe"}, {"1 C:\\A\\a.exe"}, true, {}, {},
       ""},
      {"unsafe and window rows add nothing, window titles not listed",
       {{40, "C:\\WINDOWS\\EXPLORER.EXE"}, {41, "C:\\A\\a.exe"}}, {"1 C:\\A\\a.exe"}, {"1 C:\\A\\a.exe"}, false, {}, {},
       ""},
      {"the program's own file, in any letter case, adds nothing",
       {{40, "c:\\program files\\quellmarch\\Quellmarch.EXE"}}, {}, {}, false, {}, {}, ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    EndEverything();
    for (const auto& [pid, path] : c.running) {
      machine.world.AddProcess(pid, path);
      machine.world.AddWindow(pid, "Window of " + path);
    }
    StartWith({c.programEntries, c.processEntries});
    instance->formProc.CheckBox1.setChecked(c.windowTitles);
    reports.clear();
    RunAutoAdd();
    EXPECT_EQ(Stored(options().ProgramEntries(), c.programEntries.size()), c.addedPrograms);
    EXPECT_EQ(Stored(options().ProcessEntries(), c.processEntries.size()), c.addedProcesses);
    EXPECT_EQ(options().ConfigDirty, !c.report.empty());
    // The last entry added to a list is its selected one.
    EXPECT_EQ(options().CheckListBox1.itemIndex(), c.addedPrograms.empty() ? -1 : options().CheckListBox1.count() - 1);
    EXPECT_EQ(options().CheckListBox2.itemIndex(), c.addedProcesses.empty() ? -1 : options().CheckListBox2.count() - 1);
    if (c.report.empty()) {
      EXPECT_TRUE(Logged(kNothingNew));
      EXPECT_TRUE(reports.empty());
    } else {
      EXPECT_EQ(reports, std::vector<std::string>{c.report});
    }
  }
}

TEST_F(AutoAddTest, ASecondRunFindsNothingNewAndASaveWritesTheStoredEntries) {
  machine.world.AddProcess(30, "C:\\Apps\\b.exe");
  StartWith({{}, {}});
  backend.answer<TAutoAddForm>(ui::ModalResult::Cancel);
  RunAutoAdd();
  EXPECT_EQ(options().ProcessEntries().Count(), 0u);
  EXPECT_FALSE(options().ConfigDirty);

  backend.answer<TAutoAddForm>(ui::ModalResult::Ok);
  RunAutoAdd();
  ASSERT_EQ(options().ProcessEntries().Count(), 1u);
  // What the list shows is what the stored text displays as, and the new
  // items are the selected ones.
  for (ui::CheckListBox* list : {&options().CheckListBox1, &options().CheckListBox2}) {
    EXPECT_EQ(list->item(0), StoredToDisplay(list->itemData(0)));
    EXPECT_EQ(list->itemIndex(), 0);
  }
  options().SaveConfig();
  const std::string saved = *machine.files.ReadWholeFile("C:\\t.qmf");
  EXPECT_NE(saved.find("[Run_Programs]\r\n0=1 C:\\Apps\\b.exe {rem autoadded} {nop C:\\Apps\\b.exe}\r\n"),
            std::string::npos);
  EXPECT_NE(saved.find("[Terminate_Processes]\r\n0=1 C:\\Apps\\b.exe {rem autoadded} {polite}\r\n"),
            std::string::npos);

  // An entry the user unchecked still counts as present.
  options().CheckListBox2.userToggleCheck(0);
  options().SaveConfig();
  backend.clearLog();
  RunAutoAdd();
  EXPECT_TRUE(Logged(kNothingNew));
  EXPECT_EQ(options().ProcessEntries().Count(), 1u);
  EXPECT_FALSE(options().ConfigDirty);
}

}  // namespace
}  // namespace qm::test
