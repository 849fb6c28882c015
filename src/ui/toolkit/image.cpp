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

}  // namespace qm::ui
