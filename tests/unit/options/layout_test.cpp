#include <cstdint>
#include <fstream>
#include <string>
#include <utility>

#include "options_fixture.h"
#include "ui/pictures.h"

namespace qm::test {
namespace {

using R = ui::Rect;

TEST_F(OptionsTest, TheDesignSizeGivesTheDesignRectangles) {
  form.setSize(700, 600);
  form.setSize(633, 578);
  const std::vector<std::pair<ui::Control*, R>> design = {
      {&form.Image3, {0, 4, 45, 527}},        {&form.GroupBox2, {298, -1, 327, 124}},
      {&form.Label8, {180, 14, 138, 13}},     {&form.OnTooltip, {135, 26, 184, 21}},
      {&form.Label9, {180, 73, 138, 13}},     {&form.OffTooltip, {135, 86, 184, 21}},
      {&form.GroupBox3, {47, 122, 578, 53}},  {&form.TrackBar1, {105, 16, 312, 25}},
      {&form.CheckBox3, {436, 11, 133, 17}},  {&form.CheckBox4, {436, 29, 113, 17}},
      {&form.GroupBox1, {47, 176, 578, 355}}, {&form.CheckListBox1, {8, 56, 561, 122}},
      {&form.Label2, {8, 192, 341, 13}},      {&form.Label5, {8, 208, 196, 13}},
      {&form.Button4, {494, 197, 75, 25}},    {&form.CheckListBox2, {9, 223, 561, 122}},
      {&form.Button1, {343, 23, 87, 25}},     {&form.IconOn, {8, 20, 32, 32}},
  };
  for (const auto& [control, rect] : design) EXPECT_EQ(control->bounds(), rect) << control->name();
}

TEST_F(OptionsTest, AtTheMinimumSizeEachListIsFortyTwoHigh) {
  form.setSize(590, 418);
  EXPECT_EQ(form.GroupBox1.bounds(), (R{47, 176, 535, 195}));
  EXPECT_EQ(form.CheckListBox1.bounds(), (R{8, 56, 518, 42}));
  EXPECT_EQ(form.CheckListBox2.bounds(), (R{9, 143, 518, 42}));
  EXPECT_EQ(form.Button4.bounds(), (R{451, 117, 75, 25}));
  EXPECT_EQ(form.Label2.top(), 112);
  EXPECT_EQ(form.Label5.top(), 128);
  EXPECT_EQ(form.Image3.height(), 367);
  EXPECT_EQ(form.GroupBox2.width(), 284);
  EXPECT_EQ(form.Label8.left(), 137);
  EXPECT_EQ(form.OnTooltip.width(), 141);
  EXPECT_EQ(form.TrackBar1.width(), 269);
  EXPECT_EQ(form.CheckBox4.left(), 393);
  EXPECT_EQ(form.minimumSize(), (ui::Size{590, 418}));
}

TEST_F(OptionsTest, AnOddHeightLeftOverIsDroppedNotSharedUnevenly) {
  form.setSize(633, 579);
  EXPECT_EQ(form.CheckListBox1.height(), 122);
  EXPECT_EQ(form.CheckListBox2.height(), 122);
}

}  // namespace
}  // namespace qm::test

namespace qm::test {
namespace {

// The strip shows a bitmap of the program's own; each bitmap in res/ has the
// size the code gives it, so images sized to their picture come out right.
TEST_F(OptionsTest, ThePictureStripShowsTheProgramsOwnBitmap) {
  EXPECT_EQ(form.Image3.picture(), pictures::OptionsStrip());
  for (const auto& [file, picture] : {std::pair{"options_strip.bmp", pictures::OptionsStrip()},
                                      std::pair{"banner.bmp", pictures::Banner()}}) {
    std::ifstream bmp(std::string(QM_TEST_DATA_DIR) + "/../../../res/" + file, std::ios::binary);
    char header[26] = {};
    ASSERT_TRUE(bmp.read(header, sizeof header)) << file;
    auto at = [&](int offset) {
      std::int32_t v = 0;
      for (int i = 3; i >= 0; --i) v = v * 256 + static_cast<unsigned char>(header[offset + i]);
      return v;
    };
    EXPECT_EQ(std::string(header, 2), "BM") << file;
    EXPECT_EQ((ui::Size{at(18), at(22)}), picture.naturalSize()) << file;
  }
}

}  // namespace
}  // namespace qm::test
