#pragma once

#include <cstdint>
#include <string>

#include "platform/registry.h"

namespace qm {

// Typed access on top of Registry, with the rules the settings code relies on:
// an absent string reads as empty text, an absent number is NotFound, and a
// value of another type than the one asked for is an Error.
RegStatus ReadRegString(Registry& registry, const std::string& key, const std::string& name, std::string& out);
RegStatus ReadRegInteger(Registry& registry, const std::string& key, const std::string& name, std::uint32_t& out);
// Stored as an integer; any nonzero number is true.
RegStatus ReadRegBool(Registry& registry, const std::string& key, const std::string& name, bool& out);
bool RegValueExists(Registry& registry, const std::string& key, const std::string& name);

RegStatus WriteRegString(Registry& registry, const std::string& key, const std::string& name, const std::string& text);
RegStatus WriteRegInteger(Registry& registry, const std::string& key, const std::string& name, std::uint32_t number);
RegStatus WriteRegBool(Registry& registry, const std::string& key, const std::string& name, bool flag);

}  // namespace qm
