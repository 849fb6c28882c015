// The base of every visible control: bounds, visibility, caption, font.
#pragma once

#include "ui/toolkit/component.h"

#include <functional>
#include <string>
#include <vector>

namespace qm::ui {

class PopupMenu;

enum class ControlKind {
    Form,
    Button,
    CheckBox,
    RadioButton,
    RadioGroup,
    GroupBox,
    Label,
    Edit,
    Memo,
    ListBox,
    CheckListBox,
    TrackBar,
    ProgressBar,
    StatusBar,
    Image,
    BitBtn,
    SpeedButton,
    Bevel,
    Panel,
    PageControl,
    TabSheet,
};

// The mouse pointer over a control.
enum class Cursor { Default, HandPoint };

class Control : public Component {
public:
    ControlKind kind() const { return kind_; }

    // The control it lies in; nullptr means the form's client area.
    Control* parent() const { return parent_; }
    void setParent(Control& parent);

    const Rect& bounds() const { return bounds_; }
    void setBounds(Rect bounds);
    void setBounds(int left, int top, int width, int height) { setBounds({left, top, width, height}); }
    int left() const { return bounds_.left; }
    int top() const { return bounds_.top; }
    int width() const { return bounds_.width; }
    int height() const { return bounds_.height; }
    void setLeft(int v);
    void setTop(int v);
    void setWidth(int v);
    void setHeight(int v);

    bool visible() const { return visible_; }
    virtual void setVisible(bool visible);
    bool enabled() const { return enabled_; }
    void setEnabled(bool enabled);
    // Whether Tab stops at the control: the kinds the user works with by
    // keyboard. Frames and pages are passed through to what they hold.
    virtual bool tabStop() const { return false; }

    // Whether the user can act on the control: it, the controls it lies in
    // and its form are enabled. The user...() methods ignore a control that
    // takes no input, as a disabled native window gets no mouse or keys.
    bool takesInput() const;

    const std::string& caption() const { return caption_; }
    void setCaption(std::string caption);
    const std::string& hint() const { return hint_; }
    void setHint(std::string hint);
    const Font& font() const { return font_; }
    void setFont(Font font);

    Cursor cursor() const { return cursor_; }
    void setCursor(Cursor cursor);

    // Paints the control now rather than when the message loop next runs, so
    // a window updated while the thread is busy shows each change.
    void repaint();

    // Drawn in the system's visual style (the default), or in the classic
    // look: for a control repainted often while the thread is busy, where a
    // visual style's animation cannot run and its images cost much more to
    // draw. Taken when the native window is made.
    bool themed() const { return themed_; }
    void setThemed(bool themed);

    // Shown by the backend on a right-click over the control.
    PopupMenu* popupMenu() const { return popupMenu_; }
    void setPopupMenu(PopupMenu* menu) { popupMenu_ = menu; }

    std::function<void(MouseButton, int x, int y)> onMouseDown;
    void userMouseDown(MouseButton button, int x, int y);

protected:
    Control(Form* form, ControlKind kind, std::string name);
    void initVisible(bool visible) { visible_ = visible; }
    virtual void boundsChanged() {}
    // For a property that only a new native window could take (word wrap,
    // scroll bars, borders, the default button): changing it once the form
    // is attached is refused, so no backend silently shows the old style.
    void requireUnattached(const char* property) const;

private:
    ControlKind kind_;
    Control* parent_ = nullptr;
    Rect bounds_;
    bool visible_ = true;
    bool enabled_ = true;
    std::string caption_;
    std::string hint_;
    Font font_;
    Cursor cursor_ = Cursor::Default;
    bool themed_ = true;
    PopupMenu* popupMenu_ = nullptr;
};

}  // namespace qm::ui
