#include <gtest/gtest.h>

#include <vector>

#include "config/entry_grammar.h"
#include "config/entry_lookup.h"
#include "config/memory_entry_list.h"

namespace qm {
namespace {

TEST(MemoryEntryList, KeepsTheStoredTextThatTheDisplayTextCannotGiveBack) {
  const std::string ambiguous = "C:\\Tools\\a-very-long-program-name v2.exe {min}";
  MemoryEntryList list;
  list.AppendStored(ambiguous, true);
  list.AppendDisplay(StoredToDisplay("C:\\b.exe {max}"), false);
  EXPECT_EQ(list.StoredText(0), ambiguous);
  EXPECT_EQ(list.DisplayText(0), StoredToDisplay(ambiguous));
  EXPECT_EQ(list.StoredText(1), "C:\\b.exe {max}");

  list.SetDisplay(0, StoredToDisplay("D:\\d.exe"));
  EXPECT_EQ(list.StoredText(0), "D:\\d.exe");
  EXPECT_TRUE(list.Checked(0)) << "replacing the texts keeps the check mark";
  list.Remove(0);
  EXPECT_EQ(list.StoredText(0), "C:\\b.exe {max}");
}

TEST(FindEntryInCheckList, ComparesTheMainDisplayExactly) {
  MemoryEntryList list;
  list.AppendStored("C:\\WINDOWS\\NOTEPAD.EXE {polite} {rem autoadded}", true);
  EXPECT_TRUE(FindEntryInCheckList(Trim(StoredToDisplay("C:\\WINDOWS\\NOTEPAD.EXE")), list));
  EXPECT_FALSE(FindEntryInCheckList(Trim(StoredToDisplay("C:\\WINDOWS\\notepad.exe")), list));
}

TEST(FindRowInList, MatchesTheNameTextOfRows) {
  auto row = [](std::string pid, const std::string& stored) {
    pid.resize(14, ' ');
    return pid + StoredToDisplay(stored);
  };
  const std::vector<std::string> rows = {"short", row("12", "C:\\x.exe"), row("120", "C:\\WINDOWS\\NOTEPAD.EXE"),
                                         row("7", "C:\\a?b?.exe"), std::string(17, ' ') + "Untitled - Notepad"};
  EXPECT_TRUE(FindRowInList(StoredToDisplay("C:\\WINDOWS\\NOTEPAD.EXE {harsh}"), rows));
  EXPECT_FALSE(FindRowInList(StoredToDisplay("*\\NOTEPAD.EXE"), rows)) << "no wildcard matching";
  EXPECT_TRUE(FindRowInList(StoredToDisplay("C:\\a{b}.exe {learn}"), rows)) << "braces compare as \"?\"";
  EXPECT_TRUE(FindRowInList("Untitled - Notepad", rows)) << "a window row trims to its title";
}

}  // namespace
}  // namespace qm
