#pragma once

#include <map>
#include <set>
#include <string>
#include <utility>

#include "platform/registry.h"

namespace qm::sim {

// HKEY_LOCAL_MACHINE of the simulated machine: key and value names ignore
// letter case, values keep their type, and any operation on a chosen key can
// be made to fail the way an access-denied key would.
class SimRegistry final : public Registry {
 public:
  enum class Op { Open, Create, Query, Set, Delete };

  bool KeyExists(const std::string& key) override;
  bool CreateKey(const std::string& key) override;
  RegStatus QueryValue(const std::string& key, const std::string& name, RegValue& value) override;
  RegStatus SetValue(const std::string& key, const std::string& name, const RegValue& value) override;
  RegStatus DeleteValue(const std::string& key, const std::string& name) override;

  // --- for tests ---
  void InjectFailure(Op op, const std::string& key) { failures_.insert({op, Normalize(key)}); }
  void ClearFailures() { failures_.clear(); }
  // Sets a value, creating its key, whatever failures are injected.
  void Put(const std::string& key, const std::string& name, const RegValue& value);
  std::size_t ValueCount(const std::string& key) const;

 private:
  struct Key {
    std::map<std::string, std::pair<std::string, RegValue>> values;  // upper name -> (name, value)
  };
  static std::string Normalize(const std::string& key);
  bool Fails(Op op, const std::string& normalizedKey) const;

  std::map<std::string, Key> keys_;  // upper-case path without outer backslashes
  std::set<std::pair<Op, std::string>> failures_;
};

}  // namespace qm::sim
