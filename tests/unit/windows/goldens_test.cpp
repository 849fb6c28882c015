// Every window against its golden (data/goldens): a changed text, size,
// flag or menu item fails here until tools/update-goldens.sh writes the
// goldens anew, so the change shows in the commit's diff.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>
#include <sstream>

#include "windows/window_states.h"

namespace qm::test {
namespace {

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  if (!text.empty() && text.back() != '\n') lines.back() += " (no line end)";
  return lines;
}

// Where two texts part: the first line that differs, from both.
std::string FirstDifference(const std::string& golden, const std::string& shown) {
  const std::vector<std::string> a = Lines(golden);
  const std::vector<std::string> b = Lines(shown);
  std::size_t n = 0;
  while (n < a.size() && n < b.size() && a[n] == b[n]) ++n;
  auto at = [n](const std::vector<std::string>& lines) { return n < lines.size() ? lines[n] : "(end of file)"; };
  return "line " + std::to_string(n + 1) + "\n  golden: " + at(a) + "\n  window: " + at(b);
}

TEST(WindowGoldens, EveryWindowMatchesItsGolden) {
  const std::filesystem::path folder = std::filesystem::path(QM_TEST_DATA_DIR) / "goldens";
  std::set<std::string> used;
  for (const WindowDump& window : EveryWindow()) {
    const std::string file = window.golden + ".txt";
    used.insert(file);
    std::ifstream in(folder / file, std::ios::binary);
    if (!in) {
      ADD_FAILURE() << "window " << window.golden << " has no golden " << file
                    << "; tools/update-goldens.sh writes it";
      continue;
    }
    const std::string golden{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    EXPECT_TRUE(golden == window.text) << file << " differs at " << FirstDifference(golden, window.text);
  }
  for (const auto& entry : std::filesystem::directory_iterator(folder)) {
    const std::string file = entry.path().filename().string();
    EXPECT_TRUE(used.contains(file)) << "golden " << file << " belongs to no window";
  }
}

}  // namespace
}  // namespace qm::test
