#include "config/std_text_file_store.h"

#include "config/config_data.h"

#include <atomic>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <system_error>

namespace qm {

namespace fs = std::filesystem;

namespace {

// Several instances may save the same file at once; each needs its own
// temporary file.
std::string TemporaryNameFor(const std::string& path) {
  static std::atomic<unsigned> counter{0};
  const auto ticks = std::chrono::steady_clock::now().time_since_epoch().count();
  return path + ".~" + std::to_string(ticks) + "-" + std::to_string(counter++) + ".tmp";
}

void RemoveQuietly(const std::string& path) noexcept {
  try {
    std::error_code ignored;
    fs::remove(fs::path(path), ignored);
  } catch (...) {
  }
}

}  // namespace

// Path conversion may throw (a name the narrow code page cannot carry), and
// stream errors must not escape either: both count as "cannot read/write".
std::optional<std::string> StdTextFileStore::ReadWholeFile(const std::string& path) {
  try {
    const fs::path file(path);
    std::error_code error;
    if (!fs::is_regular_file(file, error)) return std::nullopt;
    std::ifstream in(file, std::ios::binary);
    if (!in) return std::nullopt;
    std::string contents((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (in.bad()) return std::nullopt;
    return contents;
  } catch (...) {
    return std::nullopt;
  }
}

bool StdTextFileStore::ReplaceFile(const std::string& path, const std::string& contents) {
  const std::string temporary = TemporaryNameFor(path);
  try {
    std::ofstream out(fs::path(temporary), std::ios::binary | std::ios::trunc);
    out.write(contents.data(), static_cast<std::streamsize>(contents.size()));
    out.close();
    std::error_code error;
    if (out) fs::rename(fs::path(temporary), fs::path(path), error);
    if (out && !error) return true;
  } catch (...) {
  }
  RemoveQuietly(temporary);
  return false;
}

// Here rather than beside the other constructor: a program that hands the
// document its own store then links none of the standard file system, which
// needs functions the oldest supported Windows lacks.
TConfigData::TConfigData(EntryList& runList, EntryList& terminateList)
    : RunList(runList), TerminateList(terminateList), ownStore_(std::make_unique<StdTextFileStore>()),
      store_(ownStore_.get()) {
  Reset();
}

}  // namespace qm
