#include "platform/registry_values.h"

namespace qm {

RegStatus ReadRegString(Registry& registry, const std::string& key, const std::string& name, std::string& out) {
  RegValue value;
  const RegStatus status = registry.QueryValue(key, name, value);
  if (status == RegStatus::NotFound) {
    out.clear();
    return RegStatus::Ok;
  }
  if (status != RegStatus::Ok) return status;
  if (value.type != RegType::String) return RegStatus::Error;
  out = value.text;
  return RegStatus::Ok;
}

RegStatus ReadRegInteger(Registry& registry, const std::string& key, const std::string& name, std::uint32_t& out) {
  RegValue value;
  const RegStatus status = registry.QueryValue(key, name, value);
  if (status != RegStatus::Ok) return status;
  if (value.type != RegType::Integer) return RegStatus::Error;
  out = value.number;
  return RegStatus::Ok;
}

RegStatus ReadRegBool(Registry& registry, const std::string& key, const std::string& name, bool& out) {
  std::uint32_t number = 0;
  const RegStatus status = ReadRegInteger(registry, key, name, number);
  if (status == RegStatus::Ok) out = number != 0;
  return status;
}

bool RegValueExists(Registry& registry, const std::string& key, const std::string& name) {
  RegValue value;
  return registry.QueryValue(key, name, value) == RegStatus::Ok;
}

RegStatus WriteRegString(Registry& registry, const std::string& key, const std::string& name, const std::string& text) {
  return registry.SetValue(key, name, RegValue{RegType::String, text, 0});
}

RegStatus WriteRegInteger(Registry& registry, const std::string& key, const std::string& name, std::uint32_t number) {
  return registry.SetValue(key, name, RegValue{RegType::Integer, {}, number});
}

RegStatus WriteRegBool(Registry& registry, const std::string& key, const std::string& name, bool flag) {
  return WriteRegInteger(registry, key, name, flag ? 1u : 0u);
}

}  // namespace qm
