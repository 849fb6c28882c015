// Small pieces every step driver of the Wine tests needs: a failure with its
// reason, polling until something happens, and whole-file reads and writes.
#pragma once

#include <windows.h>

#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>

namespace qm::testing {

inline int Fail(const std::string& why) {
  std::fprintf(stderr, "FAIL: %s\n", why.c_str());
  return 1;
}

// Polls `done` every 100 ms for up to `ms`: the program under test answers in
// its own time, and a step must neither race it nor hang when it never does.
template <class F>
bool WaitFor(F done, DWORD ms = 30000) {
  for (DWORD waited = 0; waited <= ms; waited += 100) {
    if (done()) return true;
    Sleep(100);
  }
  return false;
}

inline bool FileExists(const std::string& path) {
  return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

inline bool WriteText(const std::string& path, const std::string& text) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out << text;
  return static_cast<bool>(out);
}

inline std::string ReadText(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream bytes;
  bytes << in.rdbuf();
  return bytes.str();
}

}  // namespace qm::testing
