#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>

#include "options_fixture.h"
#include "ui/options/icon_file.h"

namespace qm::test {
namespace {

std::string ReadBinary(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream bytes;
  bytes << in.rdbuf();
  return bytes.str();
}

// Two images: the tiny bitmap, then `second` as the other image's bytes.
std::string TwoImages(const std::string& second) {
  const std::string one = TinyIcon();
  std::string header = one.substr(0, 22);
  header[4] = 2;
  std::string entry = one.substr(6, 16);
  const std::size_t firstAt = 6 + 2 * 16;
  const std::size_t secondAt = firstAt + (one.size() - 22);
  header[18] = static_cast<char>(firstAt);
  entry[8] = static_cast<char>(second.size());
  entry[12] = static_cast<char>(secondAt);
  return header + entry + one.substr(22) + second;
}

TEST(IconFile, AcceptsBitmapsWithOrWithoutPngImagesAndOurOwnIcons) {
  EXPECT_TRUE(IsIconFile(TinyIcon()));
  const std::string png = "\x89PNG\r\n\x1a\n" + std::string(40, 'x');
  EXPECT_TRUE(IsIconFile(TwoImages(png)));
  EXPECT_TRUE(IsIconFile(TwoImages(TinyIcon().substr(22))));
  std::string pngOnly = TinyIcon().substr(0, 22) + png;
  pngOnly[14] = static_cast<char>(png.size());
  EXPECT_FALSE(IsIconFile(pngOnly)) << "no image that Windows before XP can draw";
  for (const char* name : {"tray_on.ico", "tray_off.ico"}) {
    const std::string bytes = ReadBinary(std::string(QM_TEST_DATA_DIR) + "/../../../res/" + name);
    ASSERT_FALSE(bytes.empty()) << name;
    EXPECT_TRUE(IsIconFile(bytes)) << name;
  }
}

TEST(IconFile, RefusesFilesThatAreNoIconOrAreCutShort) {
  const std::string good = TinyIcon();
  EXPECT_FALSE(IsIconFile(""));
  EXPECT_FALSE(IsIconFile("icon"));
  EXPECT_FALSE(IsIconFile(good.substr(0, 21))) << "directory cut short";
  EXPECT_FALSE(IsIconFile(good.substr(0, good.size() - 1))) << "image cut short";
  std::string cursor = good;
  cursor[2] = 2;
  EXPECT_FALSE(IsIconFile(cursor)) << "a cursor file";
  std::string none = good;
  none[4] = 0;
  EXPECT_FALSE(IsIconFile(none)) << "no image";
  std::string farAway = good;
  farAway[21] = 0x7F;
  EXPECT_FALSE(IsIconFile(farAway)) << "image offset past the end";
  std::string huge = good;
  huge[17] = static_cast<char>(0xFF);
  EXPECT_FALSE(IsIconFile(huge)) << "image size past the end, without overflow";
  std::string garbage = good;
  garbage[22] = 7;
  EXPECT_FALSE(IsIconFile(garbage)) << "neither bitmap nor PNG";
}

}  // namespace
}  // namespace qm::test
