// The two resizable lists, the process picker and BrowseKill, keep their
// controls at fixed offsets from the window's outer width and height, down to
// the window's minimum size.
#include <optional>

#include "app_fixture.h"

namespace qm::test {
namespace {

// One row of a window's resize table: each field an offset from the outer
// width (left, width) or height (top, height), or none where the table says
// nothing.
struct Offsets {
  ui::Control* control;
  std::optional<int> left, top, width, height;
};

void ExpectOffsets(ui::Form& form, ui::Size minimum, ui::Size design, const std::vector<Offsets>& table) {
  EXPECT_EQ(form.minimumSize(), minimum) << form.name();
  for (const ui::Size size : {minimum, design, ui::Size{design.width + 97, design.height + 61}}) {
    form.setSize(size.width, size.height);
    const int w = form.width();
    const int h = form.height();
    ASSERT_EQ((ui::Size{w, h}), size);
    for (const Offsets& row : table) {
      const ui::Rect r = row.control->bounds();
      const std::string where = form.name() + "." + row.control->name() + " at " + std::to_string(w);
      auto from = [](int actual, std::optional<int> offset, int extent) {
        return offset ? extent - *offset : actual;
      };
      EXPECT_EQ(r.left, from(r.left, row.left, w)) << where;
      EXPECT_EQ(r.top, from(r.top, row.top, h)) << where;
      EXPECT_EQ(r.width, from(r.width, row.width, w)) << where;
      EXPECT_EQ(r.height, from(r.height, row.height, h)) << where;
    }
  }
}

class ResizeOffsetsTest : public AppTest {};

TEST_F(ResizeOffsetsTest, ThePickerAndBrowseKillKeepTheirControlsAtTheirOffsets) {
  ASSERT_TRUE(Start());
  const std::nullopt_t n = std::nullopt;
  TFormProc& p = instance->formProc;
  ExpectOffsets(p, {630, 160}, {693, 509},
                {{&p.ListBox1, n, n, 24, 103},
                 {&p.Label1, 224, n, n, n},
                 {&p.Label3, 231, n, n, n},
                 {&p.BitBtn1, 253, 75, n, n},
                 {&p.BitBtn3, 173, 75, n, n},
                 {&p.BitBtn2, 94, 75, n, n},
                 {&p.Button1, n, 74, n, n},
                 {&p.CheckBox1, n, 71, n, n}});
  TBrowseKill& b = instance->browseKill;
  ExpectOffsets(b, {586, 225}, {635, 524},
                {{&b.CheckBox1, 212, n, n, n},
                 {&b.CheckListBox1, n, n, 24, 118},
                 {&b.Button1, n, 93, n, n},
                 {&b.Button2, n, 93, n, n},
                 {&b.Button3, n, 93, n, n},
                 {&b.BitBtn1, 294, 93, n, n},
                 {&b.BitBtn2, 169, 93, n, n},
                 {&b.BitBtn3, 90, 93, n, n},
                 {&b.Label3, n, 61, n, n},
                 {&b.Label2, n, 61, n, n}});
}

}  // namespace
}  // namespace qm::test
