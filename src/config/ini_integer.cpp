#include "config/ini_integer.h"

#include <charconv>
#include <cstdint>
#include <limits>

namespace qm {

namespace {

// All of `digits` as an unsigned number; from_chars alone would accept a
// leading "-" and stop at the first junk character.
std::optional<std::uint64_t> ParseMagnitude(std::string_view digits, int base) {
  if (digits.empty() || digits.front() == '-') return std::nullopt;
  std::uint64_t number = 0;
  const char* end = digits.data() + digits.size();
  const auto result = std::from_chars(digits.data(), end, number, base);
  if (result.ec != std::errc() || result.ptr != end) return std::nullopt;
  return number;
}

}  // namespace

std::optional<std::int32_t> ParseIniInteger(std::string_view value) {
  constexpr std::uint64_t kMax = std::numeric_limits<std::int32_t>::max();
  if (value.size() > 2 && value[0] == '0' && (value[1] == 'x' || value[1] == 'X')) {
    const auto number = ParseMagnitude(value.substr(2), 16);
    if (!number || *number > kMax) return std::nullopt;
    return static_cast<std::int32_t>(*number);
  }
  bool negative = false;
  if (!value.empty() && (value.front() == '-' || value.front() == '+')) {
    negative = value.front() == '-';
    value.remove_prefix(1);
  }
  const auto number = ParseMagnitude(value, 10);
  if (!number || *number > kMax + (negative ? 1 : 0)) return std::nullopt;
  return negative ? static_cast<std::int32_t>(-static_cast<std::int64_t>(*number)) : static_cast<std::int32_t>(*number);
}

}  // namespace qm
