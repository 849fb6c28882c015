#include "config/memory_entry_list.h"

#include <stdexcept>
#include <utility>

namespace qm {

std::size_t MemoryEntryList::Count() const { return items_.size(); }

std::string MemoryEntryList::DisplayText(std::size_t index) const { return items_.at(index).display; }

std::string MemoryEntryList::StoredText(std::size_t index) const { return items_.at(index).stored; }

bool MemoryEntryList::Checked(std::size_t index) const { return items_.at(index).checked; }

void MemoryEntryList::SetChecked(std::size_t index, bool checked) { items_.at(index).checked = checked; }

void MemoryEntryList::Append(std::string display, std::string stored, bool checked) {
  items_.push_back(Item{std::move(display), std::move(stored), checked});
}

void MemoryEntryList::Set(std::size_t index, std::string display, std::string stored) {
  Item& item = items_.at(index);
  item.display = std::move(display);
  item.stored = std::move(stored);
}

void MemoryEntryList::Remove(std::size_t index) {
  if (index >= items_.size()) throw std::out_of_range("MemoryEntryList::Remove");
  items_.erase(items_.begin() + static_cast<std::ptrdiff_t>(index));
}

void MemoryEntryList::Clear() { items_.clear(); }

}  // namespace qm
