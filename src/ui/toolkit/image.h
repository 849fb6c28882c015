// A picture on a form: an icon, a bitmap file or resource, or pixels made in
// code.
#pragma once

#include "ui/toolkit/control.h"

#include <string>

namespace qm::ui {

class Image : public Control {
public:
    Image(Form& form, std::string name);

    const Picture& picture() const { return picture_; }
    void setPicture(Picture picture);
    // Stretched pictures fill the control; others keep their own size.
    bool stretch() const { return stretch_; }
    void setStretch(bool stretch);
    bool center() const { return center_; }
    void setCenter(bool center);
    // An auto-sized image takes the size of its picture (where the picture
    // knows it: resources and pixels, not files), now and at every new picture.
    bool autoSize() const { return autoSize_; }
    void setAutoSize(bool autoSize);

private:
    void fitToPicture();

    Picture picture_;
    bool stretch_ = false;
    bool center_ = false;
    bool autoSize_ = false;
};

}  // namespace qm::ui
