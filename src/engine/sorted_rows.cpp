#include "engine/sorted_rows.h"

#include <algorithm>

namespace qm {

namespace {

unsigned char Fold(char c) {
  const auto u = static_cast<unsigned char>(c);
  return (u >= 'A' && u <= 'Z') ? static_cast<unsigned char>(u - 'A' + 'a') : u;
}

}  // namespace

bool RowLess(const std::string& a, const std::string& b) {
  return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(),
                                      [](char x, char y) { return Fold(x) < Fold(y); });
}

void SortedRows::Add(std::string row) {
  // After rows that compare equal, so equal rows keep their arrival order.
  auto at = std::upper_bound(rows_.begin(), rows_.end(), row, RowLess);
  rows_.insert(at, std::move(row));
}

}  // namespace qm
