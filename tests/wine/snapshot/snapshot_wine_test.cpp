// Lists the process snapshot on the real (Wine) Windows while helpers with
// known paths and window titles run, and checks that the rows carry them in
// the right columns and order, window rows below their process.
//
//   qm_snapshot_wine_test.exe --family nt|9x
//
// The family is what the test expects the system to report (the harness sets
// the Windows version); the check that the other listing ran is part of it.

#include <windows.h>

#include <cstdio>
#include <string>
#include <vector>

#include "engine/process_row.h"
#include "engine/process_snapshot.h"
#include "engine/sorted_rows.h"
#include "helper_launch.h"
#include "platform/win32/win32_platform.h"

namespace {

using qm::testing::Quote;

int g_failures = 0;

void Check(bool ok, const std::string& what) {
  if (!ok) {
    ++g_failures;
    std::printf("FAIL: %s\n", what.c_str());
  }
}

void PrintRows(const char* heading, const qm::ProcessSnapshot& snapshot) {
  std::printf("%s (%zu rows)\n", heading, snapshot.Count());
  for (const std::string& row : snapshot.Rows()) std::printf("  |%s|\n", row.c_str());
}

std::string Padded(const std::string& name) {
  return name.size() >= qm::kRowFileNameWidth ? name : name + std::string(qm::kRowFileNameWidth - name.size(), ' ');
}

std::vector<std::size_t> RowsOfPid(const qm::ProcessSnapshot& snapshot, DWORD pid) {
  std::vector<std::size_t> found;
  for (std::size_t i = 0; i < snapshot.Count(); ++i) {
    if (qm::RowPid(snapshot.Row(i)) == pid) found.push_back(i);
  }
  return found;
}

struct Expected {
  std::string fileName;
  std::string directory;
  std::vector<std::string> titlesInOrder;  // as the sorted list must show them
  qm::testing::StartedHelper helper;
};

// On 95/98 the exe file field of Toolhelp is taken as the full file name; a
// system may fill it with the bare name (Wine does), which leaves the
// directory empty. Both are what the row rule makes of the field.
bool DirectoryMatches(const std::string& nameText, const Expected& e, bool nt) {
  const std::string withDir = Padded(e.fileName) + " " + e.directory;
  const std::string bare = Padded(e.fileName) + " ";
  return nameText == withDir || (!nt && nameText == bare);
}

// The titles among `rows` (after the first), in row order. Besides the
// helper's own windows the system may give a process windows of its own (an
// input-method window per GUI thread); they sort in among ours.
std::vector<std::string> TitlesOf(const qm::ProcessSnapshot& snapshot, const std::vector<std::size_t>& rows,
                                  const std::vector<std::string>& ours, std::size_t indent) {
  std::vector<std::string> found;
  for (std::size_t i = 1; i < rows.size(); ++i) {
    const std::string title = snapshot.Row(rows[i]).substr(indent);
    for (const std::string& t : ours) {
      if (t == title) found.push_back(title);
    }
  }
  return found;
}

void CheckRaw(const qm::ProcessSnapshot& snapshot, const std::vector<Expected>& expected, bool nt) {
  for (std::size_t i = 1; i < snapshot.Count(); ++i) {
    Check(!qm::RowLess(snapshot.Row(i), snapshot.Row(i - 1)), "rows sorted at " + std::to_string(i));
  }
  for (const Expected& e : expected) {
    const std::vector<std::size_t> rows = RowsOfPid(snapshot, e.helper.pid);
    const std::string who = e.fileName + " pid " + std::to_string(e.helper.pid);
    if (rows.empty()) {
      Check(false, who + ": no rows");
      continue;
    }
    const std::string& processRow = snapshot.Row(rows[0]);
    Check(!qm::IsRawWindowRow(processRow), who + ": process row first");
    Check(processRow.substr(0, qm::kRowPidWidth) == qm::FormatProcessRow(e.helper.pid, "").substr(0, qm::kRowPidWidth),
          who + ": pid field is the pid padded with blanks");
    const std::string nameText(qm::RowNameText(processRow));
    Check(DirectoryMatches(nameText, e, nt), who + ": name text |" + nameText + "|");
    for (std::size_t i = 1; i < rows.size(); ++i) {
      Check(rows[i] == rows[0] + i, who + ": window rows directly below the process row");
      Check(qm::IsRawWindowRow(snapshot.Row(rows[i])) &&
                snapshot.Row(rows[i]).substr(0, 14) == qm::FormatWindowRow(e.helper.pid, "").substr(0, 14),
            who + ": window row layout |" + snapshot.Row(rows[i]) + "|");
    }
    Check(TitlesOf(snapshot, rows, e.titlesInOrder, qm::kRowNameColumn) == e.titlesInOrder,
          who + ": its window titles, in order ignoring case");
  }
}

void CheckDisplayed(const qm::ProcessSnapshot& snapshot, const std::vector<Expected>& expected) {
  for (const Expected& e : expected) {
    const std::vector<std::size_t> rows = RowsOfPid(snapshot, e.helper.pid);
    const std::string who = e.fileName + " pid " + std::to_string(e.helper.pid);
    if (rows.size() != 1) {
      Check(false, who + ": displayed process rows " + std::to_string(rows.size()));
      continue;
    }
    Check(!qm::IsStarredRow(snapshot.Row(rows[0])), who + ": not starred");
    // The indented rows right below the process row are its windows.
    std::vector<std::size_t> block = rows;
    for (std::size_t i = rows[0] + 1; i < snapshot.Count() && qm::IsDisplayWindowRow(snapshot.Row(i)); ++i) {
      Check(snapshot.Row(i).compare(0, qm::kRowDisplayIndent, std::string(qm::kRowDisplayIndent, ' ')) == 0,
            who + ": 17 blanks before a displayed title");
      block.push_back(i);
    }
    Check(TitlesOf(snapshot, block, e.titlesInOrder, qm::kRowDisplayIndent) == e.titlesInOrder,
          who + ": displayed titles below the process row");
  }
}

}  // namespace

int main(int argc, char** argv) {
  const bool expectNt = !(argc == 3 && std::string(argv[1]) == "--family" && std::string(argv[2]) == "9x");

  const std::string dir = qm::testing::ExeDir() + "snapshot-run\\";
  std::vector<Expected> expected = {
      {"QmSnapAlpha.exe", dir, {"snapshot alpha one", "Snapshot Alpha Two"}, {}},
      {"QmSnapAlpha.exe", dir, {}, {}},  // the same program twice
      {"QmSnapshotHelperWithALongName.exe", dir, {"Long Name Window"}, {}},
  };
  for (std::size_t i = 0; i < expected.size(); ++i) {
    Expected& e = expected[i];
    // A running copy cannot be overwritten: the second instance reuses the first's file.
    if (i == 0 || e.fileName != expected[i - 1].fileName) {
      // Programs of both widths: the listing must read each.
      const qm::testing::Width width = i == 0 ? qm::testing::OtherWidth() : qm::testing::OwnWidth();
      Check(qm::testing::CopyHelperTo(e.directory + e.fileName, width), "copy helper to " + e.fileName);
    }
    std::string args = "--lifetime 60000";
    // Started in reverse title order: the rows must not follow start order.
    for (auto t = e.titlesInOrder.rbegin(); t != e.titlesInOrder.rend(); ++t) args += " --title " + Quote(*t);
    e.helper = qm::testing::StartHelper(e.directory + e.fileName, args);
    Check(e.helper.pid != 0, "start " + e.fileName);
  }

  if (g_failures == 0) {
    qm::win32::Win32Platform win32;
    bool titles = true;
    qm::ProcessSnapshot snapshot(win32.processes, win32.windows, [&] { return titles; });
    Check(snapshot.IsNT() == expectNt, expectNt ? "system reports the NT family" : "system reports 95/98");

    snapshot.Refresh();
    PrintRows("Refresh", snapshot);
    CheckRaw(snapshot, expected, expectNt);
    Check(RowsOfPid(snapshot, GetCurrentProcessId()).size() == 1, "own process row present");

    snapshot.RefreshForShow();
    PrintRows("RefreshForShow", snapshot);
    CheckDisplayed(snapshot, expected);

    titles = false;
    snapshot.Refresh();
    for (const std::string& row : snapshot.Rows()) Check(!qm::IsRawWindowRow(row), "no window rows with box cleared");
  }

  for (Expected& e : expected) qm::testing::End(e.helper);
  for (const Expected& e : expected) DeleteFileA((e.directory + e.fileName).c_str());
  RemoveDirectoryA(dir.c_str());

  std::printf("%s: %d failure(s)\n", g_failures == 0 ? "PASS" : "FAIL", g_failures);
  return g_failures == 0 ? 0 : 1;
}
