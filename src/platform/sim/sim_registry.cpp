#include "platform/sim/sim_registry.h"

#include "platform/sim/sim_world.h"

namespace qm::sim {

std::string SimRegistry::Normalize(const std::string& key) {
  std::size_t first = key.find_first_not_of('\\');
  if (first == std::string::npos) return {};
  std::size_t last = key.find_last_not_of('\\');
  return UpperAscii(key.substr(first, last - first + 1));
}

bool SimRegistry::Fails(Op op, const std::string& normalizedKey) const {
  return failures_.count({op, normalizedKey}) != 0;
}

bool SimRegistry::KeyExists(const std::string& key) {
  const std::string k = Normalize(key);
  return !Fails(Op::Open, k) && keys_.count(k) != 0;
}

bool SimRegistry::CreateKey(const std::string& key) {
  const std::string k = Normalize(key);
  if (Fails(Op::Create, k)) return false;
  // Parents come into being with the key, as RegCreateKeyEx makes them.
  for (std::size_t pos = k.find('\\'); pos != std::string::npos; pos = k.find('\\', pos + 1)) {
    keys_[k.substr(0, pos)];
  }
  keys_[k];
  return true;
}

RegStatus SimRegistry::QueryValue(const std::string& key, const std::string& name, RegValue& value) {
  const std::string k = Normalize(key);
  if (Fails(Op::Open, k) || Fails(Op::Query, k)) return RegStatus::Error;
  auto it = keys_.find(k);
  if (it == keys_.end()) return RegStatus::NotFound;
  auto v = it->second.values.find(UpperAscii(name));
  if (v == it->second.values.end()) return RegStatus::NotFound;
  value = v->second.second;
  return RegStatus::Ok;
}

RegStatus SimRegistry::SetValue(const std::string& key, const std::string& name, const RegValue& value) {
  const std::string k = Normalize(key);
  if (Fails(Op::Open, k) || Fails(Op::Set, k)) return RegStatus::Error;
  auto it = keys_.find(k);
  if (it == keys_.end()) return RegStatus::NotFound;
  it->second.values[UpperAscii(name)] = {name, value};
  return RegStatus::Ok;
}

RegStatus SimRegistry::DeleteValue(const std::string& key, const std::string& name) {
  const std::string k = Normalize(key);
  if (Fails(Op::Open, k) || Fails(Op::Delete, k)) return RegStatus::Error;
  auto it = keys_.find(k);
  if (it == keys_.end()) return RegStatus::NotFound;
  return it->second.values.erase(UpperAscii(name)) != 0 ? RegStatus::Ok : RegStatus::NotFound;
}

void SimRegistry::Put(const std::string& key, const std::string& name, const RegValue& value) {
  keys_[Normalize(key)].values[UpperAscii(name)] = {name, value};
  const std::string k = Normalize(key);
  for (std::size_t pos = k.find('\\'); pos != std::string::npos; pos = k.find('\\', pos + 1)) {
    keys_[k.substr(0, pos)];
  }
}

std::size_t SimRegistry::ValueCount(const std::string& key) const {
  auto it = keys_.find(Normalize(key));
  return it == keys_.end() ? 0 : it->second.values.size();
}

}  // namespace qm::sim
