#pragma once

#include <cstdint>
#include <string>

namespace qm {

// Key paths are relative to HKEY_LOCAL_MACHINE, without a leading backslash,
// e.g. "Software\\Quellmarch".

enum class RegType { String, Integer, Other };

struct RegValue {
  RegType type = RegType::String;
  std::string text;          // RegType::String
  std::uint32_t number = 0;  // RegType::Integer (REG_DWORD)
};

enum class RegStatus { Ok, NotFound, Error };

// The machine-wide registry, one call per operation; each opens and closes the
// key it needs, so no key handles outlive a call.
class Registry {
 public:
  virtual ~Registry() = default;

  // Whether the key can be opened; never creates it.
  virtual bool KeyExists(const std::string& key) = 0;
  // Creates the key and any missing parents; true when it exists afterwards.
  virtual bool CreateKey(const std::string& key) = 0;
  // NotFound for a missing key or value, Error when it cannot be read.
  virtual RegStatus QueryValue(const std::string& key, const std::string& name, RegValue& value) = 0;
  // The key must exist.
  virtual RegStatus SetValue(const std::string& key, const std::string& name, const RegValue& value) = 0;
  virtual RegStatus DeleteValue(const std::string& key, const std::string& name) = 0;
};

}  // namespace qm
