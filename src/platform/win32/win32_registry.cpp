#include <windows.h>

#include <vector>

#include "platform/win32/win32_services.h"

namespace qm::win32 {

namespace {

// Key paths may come with a leading backslash, which RegOpenKeyEx refuses.
std::string Relative(const std::string& key) {
  const std::size_t first = key.find_first_not_of('\\');
  return first == std::string::npos ? std::string() : key.substr(first);
}

// An open key that closes itself.
class OpenKey {
 public:
  OpenKey(const std::string& key, REGSAM access)
      : status_(::RegOpenKeyExA(HKEY_LOCAL_MACHINE, Relative(key).c_str(), 0, access, &key_)) {}
  ~OpenKey() {
    if (status_ == ERROR_SUCCESS) ::RegCloseKey(key_);
  }
  OpenKey(const OpenKey&) = delete;
  OpenKey& operator=(const OpenKey&) = delete;

  LONG status() const { return status_; }
  HKEY get() const { return key_; }

 private:
  HKEY key_ = nullptr;
  LONG status_;
};

RegStatus StatusOf(LONG error) {
  if (error == ERROR_SUCCESS) return RegStatus::Ok;
  return error == ERROR_FILE_NOT_FOUND ? RegStatus::NotFound : RegStatus::Error;
}

}  // namespace

bool Win32Registry::KeyExists(const std::string& key) { return OpenKey(key, KEY_READ).status() == ERROR_SUCCESS; }

bool Win32Registry::CreateKey(const std::string& key) {
  HKEY created = nullptr;
  DWORD disposition = 0;
  const LONG status = ::RegCreateKeyExA(HKEY_LOCAL_MACHINE, Relative(key).c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                                        KEY_READ | KEY_WRITE, nullptr, &created, &disposition);
  if (status != ERROR_SUCCESS) return false;
  ::RegCloseKey(created);
  return true;
}

RegStatus Win32Registry::QueryValue(const std::string& key, const std::string& name, RegValue& value) {
  OpenKey open(key, KEY_QUERY_VALUE);
  if (open.status() != ERROR_SUCCESS) return StatusOf(open.status());
  DWORD type = 0;
  DWORD size = 0;
  LONG status = ::RegQueryValueExA(open.get(), name.c_str(), nullptr, &type, nullptr, &size);
  if (status != ERROR_SUCCESS) return StatusOf(status);
  std::vector<BYTE> bytes(size + 1, 0);
  status = ::RegQueryValueExA(open.get(), name.c_str(), nullptr, &type, bytes.data(), &size);
  if (status != ERROR_SUCCESS) return StatusOf(status);
  if (type == REG_SZ || type == REG_EXPAND_SZ) {
    value.type = RegType::String;
    // A stored string need not end in its terminator.
    std::size_t length = 0;
    while (length < size && bytes[length] != 0) ++length;
    value.text.assign(reinterpret_cast<const char*>(bytes.data()), length);
  } else if (type == REG_DWORD && size == sizeof(DWORD)) {
    value.type = RegType::Integer;
    value.number = static_cast<std::uint32_t>(bytes[0]) | static_cast<std::uint32_t>(bytes[1]) << 8 |
                   static_cast<std::uint32_t>(bytes[2]) << 16 | static_cast<std::uint32_t>(bytes[3]) << 24;
  } else {
    value.type = RegType::Other;
  }
  return RegStatus::Ok;
}

RegStatus Win32Registry::SetValue(const std::string& key, const std::string& name, const RegValue& value) {
  OpenKey open(key, KEY_SET_VALUE);
  if (open.status() != ERROR_SUCCESS) return StatusOf(open.status());
  LONG status = ERROR_INVALID_PARAMETER;
  if (value.type == RegType::String) {
    status = ::RegSetValueExA(open.get(), name.c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(value.text.c_str()),
                              static_cast<DWORD>(value.text.size() + 1));
  } else if (value.type == RegType::Integer) {
    const DWORD number = value.number;
    status = ::RegSetValueExA(open.get(), name.c_str(), 0, REG_DWORD, reinterpret_cast<const BYTE*>(&number),
                              sizeof(number));
  }
  return status == ERROR_SUCCESS ? RegStatus::Ok : RegStatus::Error;
}

RegStatus Win32Registry::DeleteValue(const std::string& key, const std::string& name) {
  OpenKey open(key, KEY_SET_VALUE);
  if (open.status() != ERROR_SUCCESS) return StatusOf(open.status());
  return StatusOf(::RegDeleteValueA(open.get(), name.c_str()));
}

}  // namespace qm::win32
