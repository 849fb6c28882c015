#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace qm {

// The snapshot's list: rows stay in ascending order of their text with
// letter case ignored, as a sorted list box keeps them. Replace() leaves a
// row where it is, so a rewritten row does not move.
class SortedRows {
 public:
  void Add(std::string row);
  void Replace(std::size_t index, std::string row) { rows_.at(index) = std::move(row); }
  void Clear() { rows_.clear(); }

  std::size_t Count() const { return rows_.size(); }
  const std::string& operator[](std::size_t index) const { return rows_.at(index); }
  const std::vector<std::string>& Rows() const { return rows_; }

 private:
  std::vector<std::string> rows_;
};

// The list's order: byte by byte with ASCII letters folded to lower case.
bool RowLess(const std::string& a, const std::string& b);

}  // namespace qm
