// What every window of the program holds, checked over all of them at once.
#include "app_fixture.h"

#include <algorithm>

namespace qm::test {
namespace {

using EveryWindowTest = AppTest;

bool Resizable(const ui::Form& form) {
  return form.borderStyle() == ui::BorderStyle::Sizeable || form.borderStyle() == ui::BorderStyle::SizeToolWindow;
}

bool Overlap(const ui::Rect& a, const ui::Rect& b) {
  return a.left < b.left + b.width && b.left < a.left + a.width && a.top < b.top + b.height &&
         b.top < a.top + a.height;
}

bool Inside(const ui::Rect& inner, const ui::Rect& outer) {
  return inner.left >= outer.left && inner.top >= outer.top && inner.left + inner.width <= outer.left + outer.width &&
         inner.top + inner.height <= outer.top + outer.height;
}

// A frame may hold controls that are its siblings (the Options window's
// check boxes over "Startup Behavior", the About box's button in the free end
// of its tab row), so long as they lie wholly inside it.
bool Frame(const ui::Control& c) {
  return c.kind() == ui::ControlKind::GroupBox || c.kind() == ui::ControlKind::RadioGroup ||
         c.kind() == ui::ControlKind::Bevel || c.kind() == ui::ControlKind::Panel ||
         c.kind() == ui::ControlKind::PageControl;
}

// The first two visible controls of one parent that lie over each other.
std::string FirstOverlap(const ui::Form& form) {
  std::vector<const ui::Control*> parents{nullptr};
  for (ui::Component* c : form.components()) {
    if (auto* control = dynamic_cast<ui::Control*>(c)) parents.push_back(control);
  }
  for (const ui::Control* parent : parents) {
    std::vector<ui::Control*> children = form.childrenOf(parent);
    std::erase_if(children, [](const ui::Control* c) { return !c->visible() || c->width() <= 0 || c->height() <= 0; });
    for (std::size_t i = 0; i < children.size(); ++i) {
      for (std::size_t j = i + 1; j < children.size(); ++j) {
        const ui::Control& a = *children[i];
        const ui::Control& b = *children[j];
        if (!Overlap(a.bounds(), b.bounds())) continue;
        if ((Frame(a) && Inside(b.bounds(), a.bounds())) || (Frame(b) && Inside(a.bounds(), b.bounds()))) continue;
        return a.name() + " and " + b.name();
      }
    }
  }
  return {};
}

// Every size a resizable window allows, from its minimum up past its design
// size; a fixed window has only its own.
TEST_F(EveryWindowTest, NoControlLiesOverAnotherAtAnySizeTheWindowAllows) {
  ASSERT_TRUE(Start());
  for (ui::Form* form : instance->app.backend().forms()) {
    if (!Resizable(*form)) {
      EXPECT_EQ(FirstOverlap(*form), "") << form->name();
      continue;
    }
    const ui::Size least = form->minimumSize();
    for (int width = least.width; width <= least.width + 160; ++width) {
      for (int height = least.height; height <= least.height + 400; height += 7) {
        form->setSize(width, height);
        const std::string overlap = FirstOverlap(*form);
        ASSERT_EQ(overlap, "") << form->name() << " at " << width << " x " << height;
      }
    }
  }
}

}  // namespace
}  // namespace qm::test
