#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace qm {

// A list of entry lines with check marks, in file order: the run list or the
// terminate list of a configuration. The windows' check lists implement it,
// so it stays small.
//
// Every item keeps its stored text beside its display text. The display text
// cannot always be turned back into the stored text (a file name of 20 or
// more characters with a blank from column 20 on is taken for a directory),
// so whoever knows the stored text hands it in, and readers that need the
// stored text ask for it instead of converting the display text.
class EntryList {
 public:
  virtual ~EntryList() = default;

  virtual std::size_t Count() const = 0;
  virtual std::string DisplayText(std::size_t index) const = 0;
  virtual std::string StoredText(std::size_t index) const = 0;
  virtual bool Checked(std::size_t index) const = 0;

  virtual void SetChecked(std::size_t index, bool checked) = 0;
  virtual void Append(std::string display, std::string stored, bool checked) = 0;
  // Replaces both texts of an item; its position and check mark stay.
  virtual void Set(std::size_t index, std::string display, std::string stored) = 0;
  virtual void Remove(std::size_t index) = 0;
  virtual void Clear() = 0;

  // An item known by its stored text shows that text's display form.
  void AppendStored(std::string_view stored, bool checked);
  void SetStored(std::size_t index, std::string_view stored);
  // An item known only by its display text (a row copied from the process
  // snapshot, say) gets the stored text the display text converts to.
  void AppendDisplay(std::string_view display, bool checked);
  void SetDisplay(std::size_t index, std::string_view display);
};

}  // namespace qm
