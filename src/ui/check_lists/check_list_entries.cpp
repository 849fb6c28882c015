#include "ui/check_lists/check_list_entries.h"

#include <stdexcept>

#include "config/entry_grammar.h"

namespace qm {

int CheckListEntries::At(std::size_t index, const char* what) const {
  if (index >= static_cast<std::size_t>(list_.count())) {
    throw std::out_of_range(std::string("check list entry index out of range in ") + what);
  }
  return static_cast<int>(index);
}

std::size_t CheckListEntries::Count() const { return static_cast<std::size_t>(list_.count()); }

std::string CheckListEntries::DisplayText(std::size_t index) const { return list_.item(At(index, "DisplayText")); }

std::string CheckListEntries::StoredText(std::size_t index) const {
  const int i = At(index, "StoredText");
  const std::string& stored = list_.itemData(i);
  return stored.empty() ? DisplayToStored(list_.item(i)) : stored;
}

bool CheckListEntries::Checked(std::size_t index) const { return list_.checked(At(index, "Checked")); }

void CheckListEntries::SetChecked(std::size_t index, bool checked) {
  list_.setChecked(At(index, "SetChecked"), checked);
}

void CheckListEntries::Append(std::string display, std::string stored, bool checked) {
  const int i = list_.add(std::move(display), checked);
  list_.setItemData(i, std::move(stored));
}

void CheckListEntries::Set(std::size_t index, std::string display, std::string stored) {
  const int i = list_.setItem(At(index, "Set"), std::move(display));
  list_.setItemData(i, std::move(stored));
}

void CheckListEntries::Remove(std::size_t index) { list_.remove(At(index, "Remove")); }

void CheckListEntries::Clear() { list_.clear(); }

}  // namespace qm
