// Controls that frame or hold others: group boxes, panels, bevels, pages.
#pragma once

#include "ui/toolkit/control.h"

#include <functional>
#include <string>
#include <vector>

namespace qm::ui {

class GroupBox : public Control {
public:
    GroupBox(Form& form, std::string name, std::string caption = {});
};

enum class BevelCut { None, Lowered, Raised };

class Panel : public Control {
public:
    Panel(Form& form, std::string name);
    BevelCut bevelOuter() const { return bevelOuter_; }
    void setBevelOuter(BevelCut cut);

private:
    BevelCut bevelOuter_ = BevelCut::Raised;
};

enum class BevelShape { Box, Frame };

// A decorative frame; it holds nothing.
class Bevel : public Control {
public:
    Bevel(Form& form, std::string name, BevelShape shape = BevelShape::Box);
    BevelShape shape() const { return shape_; }

private:
    BevelShape shape_;
};

class TabSheet;

class PageControl : public Control {
public:
    PageControl(Form& form, std::string name);

    // The pages in construction order.
    std::vector<TabSheet*> pages() const;
    int activePageIndex() const { return activePage_; }
    void setActivePageIndex(int index);

    std::function<void()> onChange;
    void userSelectPage(int index);

private:
    int activePage_ = 0;
};

class TabSheet : public Control {
public:
    TabSheet(PageControl& pages, std::string name, std::string caption);
    PageControl& pageControl() const { return pages_; }

private:
    PageControl& pages_;
};

}  // namespace qm::ui
