#include "engine/process_row.h"

#include <gtest/gtest.h>

#include "engine/sorted_rows.h"
#include "engine/unsafe_names.h"

namespace qm {
namespace {

TEST(ProcessRow, ColumnsOfAProcessRow) {
  const std::string row = FormatProcessRow(1234, "C:\\WINNT\\system32\\notepad.exe");
  EXPECT_EQ(row, "1234          notepad.exe         C:\\WINNT\\system32\\");
  EXPECT_EQ(RowNameText(row), "notepad.exe         C:\\WINNT\\system32\\");
  EXPECT_EQ(RowPid(row), 1234u);
  EXPECT_FALSE(IsRawWindowRow(row));
}

TEST(ProcessRow, LongFileNameIsWrittenWholeWithOneBlankBeforeTheDirectory) {
  const std::string row = FormatProcessRow(8, "D:\\Tools\\AVeryLongProgramName2000.exe");
  EXPECT_EQ(RowNameText(row), "AVeryLongProgramName2000.exe D:\\Tools\\");
}

TEST(ProcessRow, SplitsAtTheLastBackslashOrColon) {
  EXPECT_EQ(SplitFileName("C:prog.exe").directory, "C:");
  EXPECT_EQ(SplitFileName("C:prog.exe").fileName, "prog.exe");
  EXPECT_EQ(SplitFileName("C:\\a:b\\c.exe").fileName, "c.exe");
  EXPECT_EQ(SplitFileName("plain.exe").directory, "");
  EXPECT_EQ(SplitFileName("C:\\dir\\").fileName, "");
  // No directory: the row still ends in the blank after the padded name.
  EXPECT_EQ(FormatProcessRow(5, "plain.exe"), "5" + std::string(13, ' ') + "plain.exe" + std::string(10, ' ') + " ");
}

TEST(ProcessRow, PidsAboveTwoToTheThirtyOneStayUnsigned) {
  const std::string row = FormatProcessRow(4294967295u, "C:\\WINDOWS\\SYSTEM\\KERNEL32.DLL");
  EXPECT_EQ(row.substr(0, 14), "4294967295    ");
  EXPECT_EQ(RowPid(row), 4294967295u);
  EXPECT_EQ(FormatWindowRow(2147483648u, "Title"), "2147483648   ^Title");
  EXPECT_EQ(RowPid(FormatWindowRow(2147483648u, "Title")), 2147483648u);
}

TEST(ProcessRow, WindowRowRawAndDisplayed) {
  const std::string raw = FormatWindowRow(77, "Untitled - Notepad");
  EXPECT_EQ(raw, "77           ^Untitled - Notepad");
  EXPECT_TRUE(IsRawWindowRow(raw));
  EXPECT_EQ(RowNameText(raw), "Untitled - Notepad");
  const std::string shown = DisplayWindowRow(raw);
  EXPECT_EQ(shown, std::string(17, ' ') + "Untitled - Notepad");
  EXPECT_TRUE(IsDisplayWindowRow(shown));
  EXPECT_EQ(RowPid(shown), 0u);
}

TEST(ProcessRow, PidIsReadFromTheFirstTwelveColumnsOnly) {
  EXPECT_EQ(RowPid("12345678901234"), 0u);  // 12 digits do not form a pid of ours, nor overflow into one
  EXPECT_EQ(RowPid(""), 0u);
  EXPECT_EQ(RowPid("  42  x"), 0u);
  EXPECT_EQ(RowPid("  42        "), 42u);
}

TEST(SortedRows, OrderIsByTextIgnoringLetterCase) {
  SortedRows rows;
  rows.Add(FormatProcessRow(13, "C:\\a.exe"));
  rows.Add(FormatWindowRow(12, "beta"));
  rows.Add(FormatProcessRow(120, "C:\\b.exe"));
  rows.Add(FormatWindowRow(12, "Alpha"));
  rows.Add(FormatProcessRow(12, "C:\\c.exe"));
  ASSERT_EQ(rows.Count(), 5u);
  EXPECT_EQ(RowPid(rows[0]), 12u);
  EXPECT_FALSE(IsRawWindowRow(rows[0]));
  EXPECT_EQ(RowNameText(rows[1]), "Alpha");
  EXPECT_EQ(RowNameText(rows[2]), "beta");
  EXPECT_EQ(RowPid(rows[3]), 120u);
  EXPECT_EQ(RowPid(rows[4]), 13u);
}

TEST(UnsafeNames, ExactSubstringWithLetterCaseSignificant) {
  // What a Windows 98 machine runs that must never be offered, and this program.
  for (const char* path :
       {"C:\\WINDOWS\\SYSTEM\\KERNEL32.DLL", "C:\\WINDOWS\\SYSTEM\\MSGSRV32.EXE", "C:\\WINDOWS\\SYSTEM\\mmtask.tsk",
        "C:\\WINDOWS\\SYSTEM\\MPREXE.EXE", "C:\\WINDOWS\\EXPLORER.EXE", "C:\\WINDOWS\\TASKMON.EXE",
        "C:\\WINDOWS\\SYSTRAY.EXE", "C:\\WINDOWS\\SYSTEM\\SPOOL32.EXE", "C:\\WINDOWS\\RUNDLL32.EXE",
        "C:\\WINDOWS\\SYSTEM\\DDHELP.EXE", "C:\\TOOLS\\QUELLMARCH.EXE"}) {
    EXPECT_TRUE(IsUnsafeToTerminate(path)) << path;
  }
  EXPECT_FALSE(IsUnsafeToTerminate("C:\\WINNT\\Explorer.EXE"));
  EXPECT_FALSE(IsUnsafeToTerminate("C:\\WINDOWS\\SYSTEM\\MMTASK.TSK"));
  EXPECT_TRUE(IsUnsafeToTerminate("Window about QUELLMARCH.EXE"));
  EXPECT_FALSE(IsUnsafeToTerminate(""));
}

}  // namespace
}  // namespace qm
