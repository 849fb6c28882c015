#include "config/entry_list.h"

#include "config/entry_grammar.h"

namespace qm {

void EntryList::AppendStored(std::string_view stored, bool checked) {
  Append(StoredToDisplay(stored), std::string(stored), checked);
}

void EntryList::SetStored(std::size_t index, std::string_view stored) {
  Set(index, StoredToDisplay(stored), std::string(stored));
}

void EntryList::AppendDisplay(std::string_view display, bool checked) {
  Append(std::string(display), DisplayToStored(display), checked);
}

void EntryList::SetDisplay(std::size_t index, std::string_view display) {
  Set(index, std::string(display), DisplayToStored(display));
}

}  // namespace qm
