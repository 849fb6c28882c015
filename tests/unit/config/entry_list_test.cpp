#include <gtest/gtest.h>

#include <stdexcept>
#include <vector>

#include "config/entry_grammar.h"
#include "config/entry_lookup.h"
#include "config/memory_entry_list.h"

namespace qm {
namespace {

const std::string kAmbiguous = "C:\\Tools\\a-very-long-program-name v2.exe {min}";

TEST(MemoryEntryList, KeepsStoredTextBesideDisplayText) {
  MemoryEntryList list;
  list.AppendStored(kAmbiguous, true);
  list.AppendDisplay(StoredToDisplay("C:\\b.exe {max}"), false);
  ASSERT_EQ(list.Count(), 2u);
  EXPECT_EQ(list.StoredText(0), kAmbiguous);
  EXPECT_EQ(list.DisplayText(0), StoredToDisplay(kAmbiguous));
  EXPECT_TRUE(list.Checked(0));
  EXPECT_EQ(list.StoredText(1), "C:\\b.exe {max}");
  EXPECT_FALSE(list.Checked(1));

  list.SetStored(1, "C:\\c.exe");
  EXPECT_EQ(list.DisplayText(1), StoredToDisplay("C:\\c.exe"));
  list.SetDisplay(0, StoredToDisplay("D:\\d.exe"));
  EXPECT_EQ(list.StoredText(0), "D:\\d.exe");
  EXPECT_TRUE(list.Checked(0)) << "replacing the texts keeps the check mark";

  list.Remove(0);
  ASSERT_EQ(list.Count(), 1u);
  EXPECT_EQ(list.StoredText(0), "C:\\c.exe");
  EXPECT_THROW(list.Remove(1), std::out_of_range);
  EXPECT_THROW((void)list.DisplayText(5), std::out_of_range);
  list.Clear();
  EXPECT_EQ(list.Count(), 0u);
}

TEST(SetAllChecks, SetsEveryItem) {
  MemoryEntryList list;
  list.AppendStored("a", true);
  list.AppendStored("b", false);
  SetAllChecks(list, true);
  EXPECT_TRUE(list.Checked(0) && list.Checked(1));
  SetAllChecks(list, false);
  EXPECT_FALSE(list.Checked(0) || list.Checked(1));
}

TEST(FindEntryInCheckList, ComparesMainDisplayExactly) {
  MemoryEntryList list;
  list.AppendStored("C:\\WINDOWS\\NOTEPAD.EXE {polite} {rem autoadded}", true);
  const std::string main = Trim(StoredToDisplay("C:\\WINDOWS\\NOTEPAD.EXE"));
  EXPECT_TRUE(FindEntryInCheckList(main, list));
  EXPECT_FALSE(FindEntryInCheckList(Trim(StoredToDisplay("C:\\WINDOWS\\notepad.exe")), list));
  EXPECT_FALSE(FindEntryInCheckList(main, MemoryEntryList{}));
}

TEST(FindRowInList, MatchesTheNameTextOfRows) {
  auto row = [](std::string pid, const std::string& name) {
    pid.resize(14, ' ');
    return pid + name;
  };
  const std::string nameText = StoredToDisplay("C:\\WINDOWS\\NOTEPAD.EXE");
  const std::vector<std::string> rows = {"short", row("12", StoredToDisplay("C:\\x.exe")), row("120", nameText)};
  EXPECT_TRUE(FindRowInList(StoredToDisplay("C:\\WINDOWS\\NOTEPAD.EXE {harsh}"), rows));
  EXPECT_FALSE(FindRowInList(StoredToDisplay("*\\NOTEPAD.EXE"), rows)) << "no wildcard matching";

  // Braces in an entry are compared as the "?" a row's name text shows.
  const std::vector<std::string> braced = {row("7", StoredToDisplay("C:\\a?b?.exe"))};
  EXPECT_TRUE(FindRowInList(StoredToDisplay("C:\\a{b}.exe {learn}"), braced));
  // A window row in display form trims to its title.
  const std::vector<std::string> windows = {std::string(17, ' ') + "Untitled - Notepad"};
  EXPECT_TRUE(FindRowInList("Untitled - Notepad", windows));
}

}  // namespace
}  // namespace qm
