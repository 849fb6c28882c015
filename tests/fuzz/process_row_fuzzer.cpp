// The readers of snapshot rows. Any row text, however short or odd, gives a
// name text inside the row, a pid and its flags; and a row built from a pid
// and a file name or window title reads back as that pid and name, its
// candidate being the full path wherever the display layout carries it.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstdint>
#include <string>
#include <vector>

#include "config/entry_grammar.h"
#include "config/entry_lookup.h"
#include "engine/process_row.h"
#include "engine/sorted_rows.h"
#include "engine/unsafe_names.h"
#include "fuzz_support.h"

namespace qm::fuzz {
namespace {

// The pid field: the first 12 characters without their blanks, when that is
// a decimal number of 32 bits.
ProcessId ExpectedPid(std::string_view row) {
  std::string_view field = row.substr(0, kRowPidReadWidth);
  while (!field.empty() && field.front() == ' ') field.remove_prefix(1);
  while (!field.empty() && field.back() == ' ') field.remove_suffix(1);
  if (field.empty()) return 0;
  std::uint64_t number = 0;
  for (const char c : field) {
    if (c < '0' || c > '9') return 0;
    number = number * 10 + static_cast<std::uint64_t>(c - '0');
  }
  return number > 0xFFFFFFFFu ? 0 : static_cast<ProcessId>(number);
}

void CheckAnyRow(const std::string& row) {
  const std::string_view name = RowNameText(row);
  if (row.size() > kRowNameColumn) {
    QM_FUZZ_EXPECT(name.data() == row.data() + kRowNameColumn && name.size() == row.size() - kRowNameColumn,
                   Shown(row));
  } else {
    QM_FUZZ_EXPECT(name.empty(), Shown(row));
  }
  QM_FUZZ_EXPECT(RowPid(row) == ExpectedPid(row), Shown(row));
  const bool marked = row.size() > kRowMarkColumn;
  QM_FUZZ_EXPECT(IsRawWindowRow(row) == (marked && row[kRowMarkColumn] == '^'), Shown(row));
  QM_FUZZ_EXPECT(IsStarredRow(row) == (marked && row[kRowMarkColumn] == '*'), Shown(row));
  QM_FUZZ_EXPECT(IsDisplayWindowRow(row) == (!row.empty() && row.front() == ' '), Shown(row));
  QM_FUZZ_EXPECT(DisplayWindowRow(row) == std::string(kRowDisplayIndent, ' ') + std::string(name), Shown(row));
  (void)IsUnsafeToTerminate(row);
  (void)DisplayToStored(name);
}

void CheckAnyRowText(FuzzedDataProvider& data) { CheckAnyRow(data.ConsumeRemainingBytesAsString()); }

void CheckBuiltRows(FuzzedDataProvider& data) {
  const ProcessId pid = data.ConsumeIntegral<ProcessId>();
  const std::string title = data.ConsumeRandomLengthString(109);
  const std::string fullName = data.ConsumeRandomLengthString(259);

  const std::string row = FormatProcessRow(pid, fullName);
  CheckAnyRow(row);
  QM_FUZZ_EXPECT(RowPid(row) == pid && !IsRawWindowRow(row) && !IsDisplayWindowRow(row), Shown(row));
  const SplitName parts = SplitFileName(fullName);
  QM_FUZZ_EXPECT(parts.directory + parts.fileName == fullName, Shown(fullName));
  std::string nameText = parts.fileName;
  if (nameText.size() < kRowFileNameWidth) nameText.resize(kRowFileNameWidth, ' ');
  QM_FUZZ_EXPECT(RowNameText(row) == nameText + " " + parts.directory, Shown(row));
  if (DisplayKeepsMainPart(fullName)) {
    QM_FUZZ_EXPECT(DisplayToStored(RowNameText(row)) == fullName, Shown(row));
  }

  const std::string raw = FormatWindowRow(pid, title);
  CheckAnyRow(raw);
  QM_FUZZ_EXPECT(RowPid(raw) == pid && IsRawWindowRow(raw) && RowNameText(raw) == title, Shown(raw));
  const std::string shown = DisplayWindowRow(raw);
  CheckAnyRow(shown);
  QM_FUZZ_EXPECT(RowPid(shown) == 0 && IsDisplayWindowRow(shown) && !IsRawWindowRow(shown), Shown(shown));
  QM_FUZZ_EXPECT(Trim(RowNameText(shown)) == Trim(title), Shown(shown));
}

// Rows of any text in one sorted list, looked up as entries.
void CheckRowList(FuzzedDataProvider& data) {
  SortedRows rows;
  const std::size_t count = data.ConsumeIntegralInRange<std::size_t>(0, 8);
  for (std::size_t i = 0; i < count; ++i) {
    std::string row = data.ConsumeRandomLengthString(300);
    CheckAnyRow(row);
    rows.Add(std::move(row));
  }
  for (std::size_t i = 1; i < rows.Count(); ++i) QM_FUZZ_EXPECT(!RowLess(rows[i], rows[i - 1]), Shown(rows[i]));
  const std::string entry = data.ConsumeRemainingBytesAsString();
  (void)FindRowInList(entry, rows.Rows());
}

}  // namespace
}  // namespace qm::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size) {
  using namespace qm::fuzz;
  return RunPickedCheck(bytes, size, {CheckAnyRowText, CheckBuiltRows, CheckRowList});
}
