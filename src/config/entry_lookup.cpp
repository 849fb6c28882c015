#include "config/entry_lookup.h"

#include "config/entry_grammar.h"

namespace qm {

namespace {

// Column 15 on: the part of a snapshot row laid out like a display text.
constexpr std::size_t kRowNameColumn = 14;

std::string MainOfDisplay(std::string_view display) { return Trim(WithoutTags(display)); }

}  // namespace

bool FindEntryInCheckList(std::string_view mainDisplay, const EntryList& checkList) {
  for (std::size_t i = 0; i < checkList.Count(); ++i) {
    if (MainOfDisplay(checkList.DisplayText(i)) == mainDisplay) return true;
  }
  return false;
}

bool FindRowInList(std::string_view entryDisplay, std::span<const std::string> rowList) {
  const std::string entry = ReplaceBraces(MainOfDisplay(entryDisplay));
  for (const std::string& row : rowList) {
    if (row.size() <= 13) continue;
    if (Trim(std::string_view(row).substr(kRowNameColumn)) == entry) return true;
  }
  return false;
}

void SetAllChecks(EntryList& checkList, bool checked) {
  for (std::size_t i = 0; i < checkList.Count(); ++i) checkList.SetChecked(i, checked);
}

}  // namespace qm
