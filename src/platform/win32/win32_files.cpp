#include <windows.h>

#include "platform/win32/win32_services.h"

namespace qm::win32 {

namespace {

bool WriteAll(const std::string& path, const std::string& contents) {
  HANDLE file = ::CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  bool ok = true;
  std::size_t done = 0;
  while (ok && done < contents.size()) {
    DWORD written = 0;
    ok = ::WriteFile(file, contents.data() + done, static_cast<DWORD>(contents.size() - done), &written, nullptr) &&
         written > 0;
    done += written;
  }
  ok = ::FlushFileBuffers(file) && ok;
  return ::CloseHandle(file) && ok;
}

}  // namespace

bool Win32Files::FileExists(const std::string& path) {
  const DWORD attributes = ::GetFileAttributesA(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

std::optional<std::string> Win32Files::ReadWholeFile(const std::string& path) {
  HANDLE file = ::CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return std::nullopt;
  std::string contents;
  char buffer[65536];
  DWORD got = 0;
  bool ok = true;
  while ((ok = ::ReadFile(file, buffer, sizeof(buffer), &got, nullptr) != 0) && got > 0) contents.append(buffer, got);
  ::CloseHandle(file);
  if (!ok) return std::nullopt;
  return contents;
}

bool Win32Files::WriteNewFile(const std::string& path, const std::string& contents) { return WriteAll(path, contents); }

RenameResult Win32Files::RenameReplacing(const std::string& from, const std::string& to) {
  if (::MoveFileExA(from.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING)) return RenameResult::Done;
  return ::GetLastError() == ERROR_CALL_NOT_IMPLEMENTED ? RenameResult::Unsupported : RenameResult::Failed;
}

bool Win32Files::RenameFile(const std::string& from, const std::string& to) {
  return ::MoveFileA(from.c_str(), to.c_str()) != 0;
}

bool Win32Files::RemoveFile(const std::string& path) { return ::DeleteFileA(path.c_str()) != 0; }

}  // namespace qm::win32
