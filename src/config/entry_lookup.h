#pragma once

#include <span>
#include <string>
#include <string_view>

#include "config/entry_list.h"

// Lookups between entries and snapshot rows. Both compare display layouts
// exactly, letter case included; they do not expand wildcards.
namespace qm {

// True when some item of `checkList`, its tags peeled and trimmed, equals
// `mainDisplay`.
bool FindEntryInCheckList(std::string_view mainDisplay, const EntryList& checkList);

// True when the entry's display text, tags peeled, trimmed and braces
// replaced, equals the trimmed name text (column 15 on) of some row longer
// than 13 characters.
bool FindRowInList(std::string_view entryDisplay, std::span<const std::string> rowList);

void SetAllChecks(EntryList& checkList, bool checked);

}  // namespace qm
