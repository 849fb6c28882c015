#include "ui/toolkit/buttons.h"

#include "ui/toolkit/form.h"

#include <utility>

namespace qm::ui {

Button::Button(Form& form, std::string name, std::string caption)
    : Button(form, ControlKind::Button, std::move(name), std::move(caption))
{
}

Button::Button(Form& form, ControlKind kind, std::string name, std::string caption)
    : Control(&form, kind, std::move(name))
{
    setCaption(std::move(caption));
    setBounds(0, 0, 75, 25);
}

void Button::setDefault(bool value)
{
    if (value == default_) {
        return;
    }
    requireUnattached("default role");
    default_ = value;
}

void Button::setGlyph(Glyph glyph)
{
    if (glyph == glyph_) {
        return;
    }
    glyph_ = glyph;
    changed(Change::Picture);
}

void Button::userClick()
{
    if (!takesInput()) {
        return;
    }
    if (modalResult_ != ModalResult::None) {
        form().setModalResult(modalResult_);
    }
    if (onClick) {
        onClick();
    }
}

namespace {

const char* stockCaption(BitBtnKind kind)
{
    switch (kind) {
    case BitBtnKind::Ok: return "OK";
    case BitBtnKind::Cancel: return "Cancel";
    case BitBtnKind::Yes: return "&Yes";
    case BitBtnKind::No: return "&No";
    case BitBtnKind::Help: return "&Help";
    case BitBtnKind::Custom: break;
    }
    return "";
}

Glyph stockGlyph(BitBtnKind kind)
{
    switch (kind) {
    case BitBtnKind::Ok:
    case BitBtnKind::Yes: return Glyph::Tick;
    case BitBtnKind::Cancel: return Glyph::Cross;
    case BitBtnKind::No: return Glyph::NoEntry;
    case BitBtnKind::Help: return Glyph::Question;
    case BitBtnKind::Custom: break;
    }
    return Glyph::None;
}

ModalResult stockResult(BitBtnKind kind)
{
    switch (kind) {
    case BitBtnKind::Ok: return ModalResult::Ok;
    case BitBtnKind::Cancel: return ModalResult::Cancel;
    case BitBtnKind::Yes: return ModalResult::Yes;
    case BitBtnKind::No: return ModalResult::No;
    case BitBtnKind::Help:
    case BitBtnKind::Custom: break;
    }
    return ModalResult::None;
}

}  // namespace

BitBtn::BitBtn(Form& form, std::string name, BitBtnKind kind, std::string caption)
    : Button(form, ControlKind::BitBtn, std::move(name), caption.empty() ? stockCaption(kind) : std::move(caption)),
      kind_(kind)
{
    setGlyph(stockGlyph(kind));
    setModalResult(stockResult(kind));
    setDefault(kind == BitBtnKind::Ok || kind == BitBtnKind::Yes);
    setCancel(kind == BitBtnKind::Cancel);
}

SpeedButton::SpeedButton(Form& form, std::string name, Glyph glyph)
    : Button(form, ControlKind::SpeedButton, std::move(name), {})
{
    setGlyph(glyph);
    setBounds(0, 0, 23, 22);
}

CheckBox::CheckBox(Form& form, std::string name, std::string caption)
    : Control(&form, ControlKind::CheckBox, std::move(name))
{
    setCaption(std::move(caption));
    setBounds(0, 0, 97, 17);
}

void CheckBox::setChecked(bool checked)
{
    if (checked == checked_) {
        return;
    }
    checked_ = checked;
    changed(Change::Checked);
}

void CheckBox::userToggle()
{
    if (!takesInput()) {
        return;
    }
    setChecked(!checked_);
    if (onClick) {
        onClick();
    }
}

RadioButton::RadioButton(Form& form, std::string name, std::string caption)
    : Control(&form, ControlKind::RadioButton, std::move(name))
{
    setCaption(std::move(caption));
    setBounds(0, 0, 113, 17);
}

void RadioButton::uncheckSiblings()
{
    for (Control* sibling : form().childrenOf(parent())) {
        if (auto* radio = dynamic_cast<RadioButton*>(sibling); radio != nullptr && radio != this) {
            radio->setChecked(false);
        }
    }
}

void RadioButton::setChecked(bool checked)
{
    if (checked == checked_) {
        return;
    }
    checked_ = checked;
    changed(Change::Checked);
    if (checked) {
        uncheckSiblings();
    }
}

void RadioButton::userCheck()
{
    if (!takesInput()) {
        return;
    }
    const bool wasChecked = checked_;
    setChecked(true);
    if (!wasChecked && onClick) {
        onClick();
    }
}

}  // namespace qm::ui
