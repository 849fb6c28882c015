#include "ui/toolkit/image.h"

#include <utility>

namespace qm::ui {

Image::Image(Form& form, std::string name) : Control(&form, ControlKind::Image, std::move(name))
{
    setBounds(0, 0, 105, 105);
}

void Image::setPicture(Picture picture)
{
    picture_ = std::move(picture);
    fitToPicture();
    changed(Change::Picture);
}

void Image::setStretch(bool stretch)
{
    stretch_ = stretch;
    changed(Change::Picture);
}

void Image::setCenter(bool center)
{
    center_ = center;
    changed(Change::Picture);
}

void Image::setAutoSize(bool autoSize)
{
    autoSize_ = autoSize;
    fitToPicture();
}

void Image::fitToPicture()
{
    const Size size = picture_.naturalSize();
    if (autoSize_ && size.width > 0 && size.height > 0) {
        setBounds(left(), top(), size.width, size.height);
    }
}

}  // namespace qm::ui
