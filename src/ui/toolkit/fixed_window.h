// The small fixed windows (messages, questions, hints) as data: one table
// gives a form its frame and places its texts, buttons and check boxes.
#pragma once

#include "ui/toolkit/form.h"

#include <optional>
#include <string>
#include <vector>

namespace qm::ui {

// One control of a fixed window and where it goes. Lines, when given, are a
// memo's lines or another control's caption (joined with CR LF). A memo is
// plain text: read-only, no frame, wrapped, in the window's colour.
struct FixedPart {
    Control* control = nullptr;
    Rect bounds;
    std::vector<std::string> lines = {};
    std::optional<Font> font = std::nullopt;
};

// A window of fixed size without title-bar buttons; by default a dialog
// frame, on top of other windows, centred on the screen. Buttons end it with
// their modal results (BitBtn kinds carry them).
struct FixedWindow {
    std::string caption;
    // The outer size, or the client area's when clientSize is set.
    Size size;
    bool clientSize = false;
    BorderStyle border = BorderStyle::Dialog;
    bool stayOnTop = true;
    FormPosition position = FormPosition::ScreenCenter;
    std::vector<FixedPart> parts = {};
    // The control with the keyboard when the window appears; by default the
    // first one Tab reaches.
    Control* focus = nullptr;

    // Call from the form's constructor, before it is attached.
    void applyTo(Form& form) const;
};

}  // namespace qm::ui
