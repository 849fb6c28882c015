#include "ui/toolkit/text_controls.h"

#include <utility>

namespace qm::ui {

Label::Label(Form& form, std::string name, std::string caption)
    : Control(&form, ControlKind::Label, std::move(name))
{
    setCaption(std::move(caption));
    setBounds(0, 0, 32, 13);
}

void Label::setWordWrap(bool wrap)
{
    if (wrap == wordWrap_) {
        return;
    }
    requireUnattached("word wrap");
    wordWrap_ = wrap;
}

Edit::Edit(Form& form, std::string name) : Control(&form, ControlKind::Edit, std::move(name))
{
    setBounds(0, 0, 121, 21);
}

void Edit::setText(std::string text)
{
    if (text == text_) {
        return;
    }
    text_ = std::move(text);
    changed(Change::Caption);
}

void Edit::setMaxLength(int length)
{
    maxLength_ = length < 0 ? 0 : length;
    changed(Change::MaxLength);
}

void Edit::setReadOnly(bool readOnly)
{
    readOnly_ = readOnly;
    changed(Change::ReadOnly);
}

void Edit::userSetText(std::string text)
{
    if (readOnly_ || !takesInput()) {
        return;
    }
    if (maxLength_ > 0 && text.size() > static_cast<std::size_t>(maxLength_)) {
        text.resize(static_cast<std::size_t>(maxLength_));
    }
    if (text == text_) {
        return;
    }
    setText(std::move(text));
    if (onChange) {
        onChange();
    }
}

Memo::Memo(Form& form, std::string name) : Control(&form, ControlKind::Memo, std::move(name))
{
    setBounds(0, 0, 185, 89);
}

std::vector<std::string> Memo::splitLines(const std::string& text)
{
    std::vector<std::string> lines;
    if (text.empty()) {
        return lines;
    }
    std::string current;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '\r' || c == '\n') {
            lines.push_back(std::move(current));
            current.clear();
            if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') {
                ++i;
            }
        } else {
            current += c;
        }
    }
    // A text ending with a line break has no empty line after it.
    if (!current.empty()) {
        lines.push_back(std::move(current));
    }
    return lines;
}

std::string Memo::text() const
{
    std::string result;
    for (std::size_t i = 0; i < lines_.size(); ++i) {
        if (i > 0) {
            result += "\r\n";
        }
        result += lines_[i];
    }
    return result;
}

void Memo::setLines(std::vector<std::string> lines)
{
    if (lines == lines_) {
        return;
    }
    lines_ = std::move(lines);
    changed(Change::Caption);
}

void Memo::addLine(std::string line)
{
    lines_.push_back(std::move(line));
    changed(Change::Caption);
}

void Memo::setText(const std::string& text) { setLines(splitLines(text)); }

void Memo::setReadOnly(bool readOnly)
{
    readOnly_ = readOnly;
    changed(Change::ReadOnly);
}

void Memo::setScrollBars(ScrollBars bars)
{
    if (bars == scrollBars_) {
        return;
    }
    requireUnattached("scroll bars");
    scrollBars_ = bars;
}

void Memo::setBordered(bool bordered)
{
    if (bordered == bordered_) {
        return;
    }
    requireUnattached("border");
    bordered_ = bordered;
}

void Memo::setWordWrap(bool wrap)
{
    if (wrap == wordWrap_) {
        return;
    }
    requireUnattached("word wrap");
    wordWrap_ = wrap;
}

void Memo::setParentColor(bool value)
{
    parentColor_ = value;
    changed(Change::Style);
}

void Memo::userSetText(const std::string& text)
{
    if (readOnly_ || !takesInput()) {
        return;
    }
    auto lines = splitLines(text);
    if (lines == lines_) {
        return;
    }
    setLines(std::move(lines));
    if (onChange) {
        onChange();
    }
}

}  // namespace qm::ui
