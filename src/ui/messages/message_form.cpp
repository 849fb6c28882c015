#include "ui/messages/message_form.h"

namespace qm {

void makeMessageWindow(ui::Form& form, const std::string& caption, int width, int height)
{
    form.setCaption(caption);
    form.setBorderStyle(ui::BorderStyle::Dialog);
    form.setBorderIcons(ui::BorderIcons::none());
    form.setStayOnTop(true);
    form.setPosition(ui::FormPosition::ScreenCenter);
    form.setSize(width, height);
}

void makePlainText(ui::Memo& memo, ui::Rect bounds)
{
    memo.setBounds(bounds);
    memo.setReadOnly(true);
    memo.setBordered(false);
    memo.setParentColor(true);
    memo.setWordWrap(true);
}

}  // namespace qm
