#include "ui/options/check_list_entries.h"

#include <stdexcept>

namespace qm {

int CheckListEntries::At(std::size_t index, const char* what) const {
  if (index >= stored_.size() || static_cast<int>(index) >= list_.count()) {
    throw std::out_of_range(std::string("check list entry index out of range in ") + what);
  }
  return static_cast<int>(index);
}

std::size_t CheckListEntries::Count() const { return stored_.size(); }

std::string CheckListEntries::DisplayText(std::size_t index) const { return list_.item(At(index, "DisplayText")); }

std::string CheckListEntries::StoredText(std::size_t index) const {
  At(index, "StoredText");
  return stored_[index];
}

bool CheckListEntries::Checked(std::size_t index) const { return list_.checked(At(index, "Checked")); }

void CheckListEntries::SetChecked(std::size_t index, bool checked) {
  list_.setChecked(At(index, "SetChecked"), checked);
}

void CheckListEntries::Append(std::string display, std::string stored, bool checked) {
  list_.add(std::move(display), checked);
  stored_.push_back(std::move(stored));
}

void CheckListEntries::Set(std::size_t index, std::string display, std::string stored) {
  const int i = At(index, "Set");
  const bool mark = list_.checked(i);
  list_.setItem(i, std::move(display));
  list_.setChecked(i, mark);
  stored_[index] = std::move(stored);
}

void CheckListEntries::Remove(std::size_t index) {
  list_.remove(At(index, "Remove"));
  stored_.erase(stored_.begin() + static_cast<std::ptrdiff_t>(index));
}

void CheckListEntries::Clear() {
  list_.clear();
  stored_.clear();
}

}  // namespace qm
