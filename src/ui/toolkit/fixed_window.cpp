#include "ui/toolkit/fixed_window.h"

#include "ui/toolkit/text_controls.h"

namespace qm::ui {

namespace {

std::string joinLines(const std::vector<std::string>& lines)
{
    std::string text;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        text += (i > 0 ? "\r\n" : "") + lines[i];
    }
    return text;
}

void place(const FixedPart& part)
{
    Control& control = *part.control;
    control.setBounds(part.bounds);
    if (part.font) {
        control.setFont(*part.font);
    }
    if (auto* memo = dynamic_cast<Memo*>(&control)) {
        memo->setReadOnly(true);
        memo->setBordered(false);
        memo->setParentColor(true);
        memo->setWordWrap(true);
        if (!part.lines.empty()) {
            memo->setLines(part.lines);
        }
    } else if (!part.lines.empty()) {
        control.setCaption(joinLines(part.lines));
    }
}

}  // namespace

void FixedWindow::applyTo(Form& form) const
{
    form.setCaption(caption);
    form.setBorderStyle(border);
    form.setBorderIcons(BorderIcons::none());
    form.setStayOnTop(stayOnTop);
    form.setPosition(position);
    if (clientSize) {
        form.setClientSize(size.width, size.height);
    } else {
        form.setSize(size.width, size.height);
    }
    for (const FixedPart& part : parts) {
        place(part);
    }
    if (focus != nullptr) {
        form.setActiveControl(focus);
    }
}

}  // namespace qm::ui
