// A window's check list seen as a configuration entry list: the list shows
// the display texts and marks, and each item carries its stored text as its
// item data, so the two cannot drift apart whoever changes the list.
#pragma once

#include <string>

#include "config/entry_list.h"
#include "ui/toolkit/lists.h"

namespace qm {

class CheckListEntries final : public EntryList {
 public:
  explicit CheckListEntries(ui::CheckListBox& list) : list_(list) {}

  std::size_t Count() const override;
  std::string DisplayText(std::size_t index) const override;
  // An item added to the list directly, without a stored text, has the one
  // its display text converts to.
  std::string StoredText(std::size_t index) const override;
  bool Checked(std::size_t index) const override;

  void SetChecked(std::size_t index, bool checked) override;
  void Append(std::string display, std::string stored, bool checked) override;
  void Set(std::size_t index, std::string display, std::string stored) override;
  void Remove(std::size_t index) override;
  void Clear() override;

  ui::CheckListBox& list() { return list_; }

 private:
  // Throws std::out_of_range, as the in-memory list does.
  int At(std::size_t index, const char* what) const;

  ui::CheckListBox& list_;
};

}  // namespace qm
