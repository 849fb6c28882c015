// Push buttons, check boxes and radio buttons.
#pragma once

#include "ui/toolkit/control.h"

#include <functional>
#include <string>

namespace qm::ui {

// The small pictures buttons show beside or instead of their caption.
enum class Glyph { None, Tick, Cross, NoEntry, Question, Folder };

class Button : public Control {
public:
    Button(Form& form, std::string name, std::string caption = {});

    // Pressing a button with a result other than None ends a modal show.
    ModalResult modalResult() const { return modalResult_; }
    void setModalResult(ModalResult result) { modalResult_ = result; }
    // Enter presses the default button, Escape the cancel button. The
    // default button looks different from its creation on, so it is chosen
    // before the form is attached.
    bool isDefault() const { return default_; }
    void setDefault(bool value);
    bool isCancel() const { return cancel_; }
    void setCancel(bool value) { cancel_ = value; }

    Glyph glyph() const { return glyph_; }
    bool tabStop() const override { return true; }

    std::function<void()> onClick;
    void userClick();

protected:
    Button(Form& form, ControlKind kind, std::string name, std::string caption);
    void setGlyph(Glyph glyph);

private:
    ModalResult modalResult_ = ModalResult::None;
    bool default_ = false;
    bool cancel_ = false;
    Glyph glyph_ = Glyph::None;
};

// A button with a stock meaning: OK, Cancel or Help get their caption,
// glyph, modal result and Enter/Escape role from the kind.
enum class BitBtnKind { Custom, Ok, Cancel, Yes, No, Help };

class BitBtn : public Button {
public:
    BitBtn(Form& form, std::string name, BitBtnKind kind, std::string caption = {});
    BitBtnKind bitBtnKind() const { return kind_; }
    using Button::setGlyph;

private:
    BitBtnKind kind_;
};

// A small button that shows only its glyph (the folder button beside an
// edit, say).
class SpeedButton : public Button {
public:
    SpeedButton(Form& form, std::string name, Glyph glyph = Glyph::None);
    using Button::setGlyph;
};

class CheckBox : public Control {
public:
    CheckBox(Form& form, std::string name, std::string caption = {});
    bool checked() const { return checked_; }
    void setChecked(bool checked);
    bool tabStop() const override { return true; }

    std::function<void()> onClick;
    void userToggle();

private:
    bool checked_ = false;
};

// Radio buttons with the same parent exclude each other.
class RadioButton : public Control {
public:
    RadioButton(Form& form, std::string name, std::string caption = {});
    bool checked() const { return checked_; }
    void setChecked(bool checked);
    // Tab comes to a group of radio buttons at the checked one; the arrow
    // keys move on from there.
    bool tabStop() const override { return checked_; }

    std::function<void()> onClick;
    void userCheck();

private:
    void uncheckSiblings();
    bool checked_ = false;
};

}  // namespace qm::ui
