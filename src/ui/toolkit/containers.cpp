#include "ui/toolkit/containers.h"

#include "ui/toolkit/form.h"

#include <utility>

namespace qm::ui {

GroupBox::GroupBox(Form& form, std::string name, std::string caption)
    : Control(&form, ControlKind::GroupBox, std::move(name))
{
    setCaption(std::move(caption));
    setBounds(0, 0, 185, 105);
}

Panel::Panel(Form& form, std::string name) : Control(&form, ControlKind::Panel, std::move(name))
{
    setBounds(0, 0, 185, 41);
}

void Panel::setBevelOuter(BevelCut cut)
{
    bevelOuter_ = cut;
    changed(Change::Style);
}

Bevel::Bevel(Form& form, std::string name, BevelShape shape)
    : Control(&form, ControlKind::Bevel, std::move(name)), shape_(shape)
{
    setBounds(0, 0, 50, 50);
}

PageControl::PageControl(Form& form, std::string name) : Control(&form, ControlKind::PageControl, std::move(name))
{
    setBounds(0, 0, 289, 193);
}

std::vector<TabSheet*> PageControl::pages() const
{
    std::vector<TabSheet*> result;
    for (Control* c : form().childrenOf(this)) {
        if (auto* sheet = dynamic_cast<TabSheet*>(c)) {
            result.push_back(sheet);
        }
    }
    return result;
}

void PageControl::setActivePageIndex(int index)
{
    if (index < 0 || index >= static_cast<int>(pages().size()) || index == activePage_) {
        return;
    }
    activePage_ = index;
    changed(Change::ActivePage);
}

void PageControl::userSelectPage(int index)
{
    if (!takesInput()) {
        return;
    }
    const int before = activePage_;
    setActivePageIndex(index);
    if (activePage_ != before && onChange) {
        onChange();
    }
}

TabSheet::TabSheet(PageControl& pages, std::string name, std::string caption)
    : Control(&pages.form(), ControlKind::TabSheet, std::move(name)), pages_(pages)
{
    setParent(pages);
    setCaption(std::move(caption));
}

}  // namespace qm::ui
