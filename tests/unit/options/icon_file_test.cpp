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

TEST(IconFile, AcceptsBitmapAndPngImagesAndOurOwnIcons) {
  EXPECT_TRUE(IsIconFile(TinyIcon()));
  std::string png = TinyIcon().substr(0, 22) + "\x89PNG\r\n\x1a\n" + std::string(40, 'x');
  png[14] = 48;  // the image's size
  EXPECT_TRUE(IsIconFile(png));
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
