// Small value types shared by every control and both backends.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace qm::ui {

// What a modal show answers; None while the form is still open.
enum class ModalResult { None, Ok, Cancel, Yes, No };

const char* toString(ModalResult result);

struct Rect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    bool operator==(const Rect&) const = default;
};

struct Size {
    int width = 0;
    int height = 0;
    bool operator==(const Size&) const = default;
};

enum class MouseButton { Left, Right, Middle };

// A font request: the backend picks the closest real font. Height 0 means
// "use the point size".
struct Font {
    std::string face = "MS Sans Serif";
    int pointSize = 8;
    int pixelHeight = 0;
    bool bold = false;
    bool fixedPitch = false;

    static Font standard() { return {}; }
    // The lists of entries and processes are read back by column, so they
    // need every character to be the same width.
    static Font fixed() { return {"Fixedsys", 9, 0, false, true}; }
    bool operator==(const Font&) const = default;
};

// A picture for an image control: nothing, an .ico/.bmp file, an icon file
// whatever its name, an icon resource of the program, a bitmap resource of
// the program, or pixels made in code (0xAARRGGBB, row-major).
struct Picture {
    enum class Kind { None, File, IconFile, Resource, Bitmap, Pixels };
    Kind kind = Kind::None;
    std::string file;
    int resource = 0;
    int width = 0;
    int height = 0;
    std::vector<std::uint32_t> pixels;

    static Picture fromFile(std::string path);
    // Shown from its 32 x 32 image.
    static Picture fromIconFile(std::string path);
    // An icon resource of the program.
    static Picture fromResource(int id);
    // A bitmap resource of the program. Its size comes with it, so the model
    // can size an image to it without loading anything.
    static Picture fromBitmapResource(int id, int width, int height);
    static Picture fromPixels(int width, int height, std::vector<std::uint32_t> argb);
    bool empty() const { return kind == Kind::None; }
    // The size the picture has of itself; {0, 0} where only loading the file would tell.
    Size naturalSize() const;
    bool operator==(const Picture&) const = default;
};

// Which property of a component changed, so a backend updates only that.
enum class Change {
    Caption,
    Bounds,
    Visible,
    Enabled,
    Font,
    Hint,
    Checked,
    // The list was refilled or reordered: anything may have changed.
    Items,
    // One item, at the index passed with the change, was inserted, removed
    // or given a new text; the model already holds the result.
    ItemInserted,
    ItemRemoved,
    ItemText,
    // A bulk change of a list begins or ends.
    UpdateBegin,
    UpdateEnd,
    ItemIndex,
    ItemChecked,
    ItemHeight,
    ReadOnly,
    MaxLength,
    Range,
    Position,
    Picture,
    Menu,
    Style,
    Timer,
    ActivePage,
    Cursor,
};

}  // namespace qm::ui
