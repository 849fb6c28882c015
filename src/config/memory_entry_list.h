#pragma once

#include <vector>

#include "config/entry_list.h"

namespace qm {

// An entry list held in memory. An index out of range throws
// std::out_of_range.
class MemoryEntryList final : public EntryList {
 public:
  std::size_t Count() const override;
  std::string DisplayText(std::size_t index) const override;
  std::string StoredText(std::size_t index) const override;
  bool Checked(std::size_t index) const override;

  void SetChecked(std::size_t index, bool checked) override;
  void Append(std::string display, std::string stored, bool checked) override;
  void Set(std::size_t index, std::string display, std::string stored) override;
  void Remove(std::size_t index) override;
  void Clear() override;

 private:
  struct Item {
    std::string display;
    std::string stored;
    bool checked = false;
  };
  std::vector<Item> items_;
};

}  // namespace qm
