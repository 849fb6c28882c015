#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace qm {

// Reads an integer value of a .qmf file: the whole value is a decimal number
// with an optional sign, or "0x"/"0X" followed by hexadecimal digits. Anything
// else - trailing junk, a bare "0x", a number outside the 32-bit signed range -
// is no integer, and the caller takes its default.
std::optional<std::int32_t> ParseIniInteger(std::string_view value);

}  // namespace qm
