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

// The Options window's design rectangles touch by one pixel in three places,
// where the boxes leave that pixel blank: a check box's 17 pixels at a
// 16-pixel spacing, the "Appearance" frame's last line over the "Messages"
// frame's first, and a tooltip label's last line over its edit's first.
bool DesignedTouch(const ui::Control& a, const ui::Control& b) {
  const ui::Rect x = a.bounds();
  const ui::Rect y = b.bounds();
  const int rows = std::min(x.top + x.height, y.top + y.height) - std::max(x.top, y.top);
  return a.form().name() == "OptionForm1" && rows == 1;
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
        if (!Overlap(a.bounds(), b.bounds()) || DesignedTouch(a, b)) continue;
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

// A control the user acts on must be reachable from the keyboard: radio
// buttons through the checked one of their group, the controls of a page
// once Ctrl+Tab has brought the page forward.
bool Reachable(const ui::Form& form, const ui::Control& c, const std::vector<ui::Control*>& order) {
  auto in = [&](const ui::Control* x) { return std::find(order.begin(), order.end(), x) != order.end(); };
  if (dynamic_cast<const ui::RadioButton*>(&c) != nullptr) {
    const std::vector<ui::Control*> group = form.childrenOf(c.parent());
    return std::any_of(group.begin(), group.end(),
                       [&](ui::Control* x) { return dynamic_cast<ui::RadioButton*>(x) != nullptr && in(x); });
  }
  return in(&c);
}

// What Tab reaches on any page: the tab order with each page brought forward in turn.
std::vector<ui::Control*> TabOrderOfEveryPage(ui::Form& form) {
  std::vector<ui::Control*> order = form.tabOrder();
  for (ui::Component* component : form.components()) {
    auto* pages = dynamic_cast<ui::PageControl*>(component);
    if (pages == nullptr) continue;
    const int active = pages->activePageIndex();
    for (int i = 0; i < static_cast<int>(pages->pages().size()); ++i) {
      pages->setActivePageIndex(i);
      const std::vector<ui::Control*> more = form.tabOrder();
      order.insert(order.end(), more.begin(), more.end());
    }
    pages->setActivePageIndex(active);
  }
  return order;
}

// The kinds the user works with; plain text (a read-only memo without frame
// or scroll bars) is read, not worked with.
bool ActedOn(const ui::Control& c) {
  switch (c.kind()) {
    case ui::ControlKind::Button:
    case ui::ControlKind::BitBtn:
    case ui::ControlKind::SpeedButton:
    case ui::ControlKind::CheckBox:
    case ui::ControlKind::RadioButton:
    case ui::ControlKind::Edit:
    case ui::ControlKind::ListBox:
    case ui::ControlKind::CheckListBox:
    case ui::ControlKind::TrackBar: return true;
    case ui::ControlKind::RadioGroup: return !static_cast<const ui::RadioGroup&>(c).items().empty();
    case ui::ControlKind::Memo: {
      const auto& memo = static_cast<const ui::Memo&>(c);
      return !memo.readOnly() || memo.bordered() || memo.scrollBars() != ui::ScrollBars::None;
    }
    default: return false;
  }
}

bool Shown(const ui::Control& c) {
  for (const ui::Control* p = &c; p != nullptr; p = p->parent()) {
    if (!p->visible()) return false;
  }
  return true;
}

// What a key did to a shown window: its modal result, "hidden", or "" for nothing.
std::string Outcome(ui::Form& form, void (ui::Form::*key)()) {
  form.show();
  form.setModalResult(ui::ModalResult::None);
  (form.*key)();
  const std::string outcome = form.modalResult() != ui::ModalResult::None ? ui::toString(form.modalResult())
                              : form.visible()                             ? ""
                                                                           : "hidden";
  form.hide();
  return outcome;
}

// The keyboard alone works every window: Tab reaches each control the user
// can act on, the window opens with the keyboard where the user starts (the
// list in BrowseKill, not its default-check box; OK in a hint, not its
// don't-show-again box), Enter presses the default button and Escape the
// Cancel button where there is one.
TEST_F(EveryWindowTest, TheKeyboardReachesEveryControlAndEnterAndEscapeEndTheWindow) {
  struct Case {
    std::string window;
    std::string focus;
    std::string enter;
    std::string escape;
  };
  const Case cases[] = {
      {"ProgramEntry", "Edit1", "OK", "Cancel"},      {"ProcessEntry", "Edit1", "OK", "Cancel"},
      {"FormProc", "ListBox1", "OK", "Cancel"},       {"BrowseKill", "CheckListBox1", "", "hidden"},
      {"AboutForm", "Button3", "hidden", "hidden"},   {"FormSaveChanges", "BitBtn1", "Yes", "Cancel"},
      {"OverWrite", "BitBtn1", "OK", "Cancel"},       {"preregistry", "BitBtn1", "OK", "Cancel"},
      {"AutoAddForm", "Memo2", "OK", "Cancel"},       {"AfterAddForm", "BitBtn1", "OK", ""},
      {"FirstProgram", "BitBtn1", "OK", ""},          {"firstprocess", "BitBtn1", "OK", ""},
      {"attention", "BitBtn1", "OK", ""},             {"EmptyBoxes", "BitBtn1", "OK", ""},
      {"FirstSelect", "BitBtn1", "OK", ""},           {"notfound", "RadioButton3", "OK", ""},
      {"Welcome", "BitBtn1", "OK", ""},               {"AutoAdvertForm", "BitBtn1", "OK", ""},
      {"Information", "Memo1", "OK", ""},             {"OptionForm1", "CheckBox1", "", ""},
      {"FormMain", "Button1", "", ""},               {"PreviewForm", "ListBox1", "", "hidden"},
  };
  ASSERT_TRUE(Start());
  instance->formProc.RefreshForShow();
  for (ui::Form* form : instance->app.backend().forms()) {
    const std::vector<ui::Control*> order = TabOrderOfEveryPage(*form);
    for (ui::Component* component : form->components()) {
      auto* c = dynamic_cast<ui::Control*>(component);
      if (c == nullptr || c == form || !ActedOn(*c) || !Shown(*c) || !c->takesInput()) continue;
      EXPECT_TRUE(Reachable(*form, *c, order)) << form->name() << "." << c->name() << " cannot be reached with Tab";
    }
    const auto found = std::find_if(std::begin(cases), std::end(cases),
                                    [&](const Case& c) { return c.window == form->name(); });
    if (found == std::end(cases)) {
      EXPECT_TRUE(order.empty()) << form->name() << " takes input but is not in the table";
      continue;
    }
    ASSERT_NE(form->focusAtShow(), nullptr) << form->name();
    EXPECT_EQ(form->focusAtShow()->name(), found->focus) << form->name();
    EXPECT_EQ(Outcome(*form, &ui::Form::userEnter), found->enter) << form->name() << ": Enter";
    EXPECT_EQ(Outcome(*form, &ui::Form::userEscape), found->escape) << form->name() << ": Escape";
  }
}

}  // namespace
}  // namespace qm::test
