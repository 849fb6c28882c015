// Static text, one-line edits and multi-line memos.
#pragma once

#include "ui/toolkit/control.h"

#include <functional>
#include <string>
#include <vector>

namespace qm::ui {

class Label : public Control {
public:
    Label(Form& form, std::string name, std::string caption = {});
    // Wrapping labels break their caption at the control's width. Set before
    // the form is attached, like the memo's styles below.
    bool wordWrap() const { return wordWrap_; }
    void setWordWrap(bool wrap);

private:
    bool wordWrap_ = false;
};

class Edit : public Control {
public:
    Edit(Form& form, std::string name);

    const std::string& text() const { return text_; }
    void setText(std::string text);
    // Limits what the user can type (0: no limit); text set from code is kept whole.
    int maxLength() const { return maxLength_; }
    void setMaxLength(int length);
    bool readOnly() const { return readOnly_; }
    void setReadOnly(bool readOnly);
    bool tabStop() const override { return true; }

    std::function<void()> onChange;
    void userSetText(std::string text);

private:
    std::string text_;
    int maxLength_ = 0;
    bool readOnly_ = false;
};

enum class ScrollBars { None, Horizontal, Vertical, Both };

class Memo : public Control {
public:
    Memo(Form& form, std::string name);

    const std::vector<std::string>& lines() const { return lines_; }
    void setLines(std::vector<std::string> lines);
    void addLine(std::string line);
    // The lines joined with CR LF; setting splits at CR LF, LF or CR.
    std::string text() const;
    void setText(const std::string& text);

    bool readOnly() const { return readOnly_; }
    void setReadOnly(bool readOnly);
    ScrollBars scrollBars() const { return scrollBars_; }
    void setScrollBars(ScrollBars bars);
    bool bordered() const { return bordered_; }
    void setBordered(bool bordered);
    bool wordWrap() const { return wordWrap_; }
    void setWordWrap(bool wrap);
    // Painted in the window's background colour instead of the edit colour.
    bool parentColor() const { return parentColor_; }
    void setParentColor(bool value);
    // Plain text (read-only, no frame, no scroll bars) reads like a label and
    // is passed by like one; a text the user can scroll or edit is not.
    bool tabStop() const override
    {
        return !readOnly_ || bordered_ || scrollBars_ != ScrollBars::None;
    }

    std::function<void()> onChange;
    void userSetText(const std::string& text);

    static std::vector<std::string> splitLines(const std::string& text);

private:
    std::vector<std::string> lines_;
    bool readOnly_ = false;
    ScrollBars scrollBars_ = ScrollBars::None;
    bool bordered_ = true;
    bool wordWrap_ = true;
    bool parentColor_ = false;
};

}  // namespace qm::ui
