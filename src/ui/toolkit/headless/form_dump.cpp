#include "ui/toolkit/headless/form_dump.h"

#include "ui/toolkit/toolkit.h"

#include <cstdio>
#include <cstdlib>
#include <cxxabi.h>
#include <map>
#include <memory>
#include <typeinfo>

namespace qm::ui {

std::string quoted(const std::string& text)
{
    std::string out = "\"";
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (byte >= 0x20 && byte < 0x7F) {
            out += c;
        } else {
            char hex[5];
            std::snprintf(hex, sizeof hex, "\\x%02X", byte);
            out += hex;
        }
    }
    return out + "\"";
}

namespace {

// The form's class as its source names it, namespaces left out.
std::string className(const Form& form)
{
    const char* mangled = typeid(form).name();
    int status = 0;
    const std::unique_ptr<char, decltype(&std::free)> plain(abi::__cxa_demangle(mangled, nullptr, nullptr, &status),
                                                            &std::free);
    std::string name = status == 0 && plain ? plain.get() : mangled;
    const std::size_t colons = name.rfind("::");
    return colons == std::string::npos ? name : name.substr(colons + 2);
}

const char* kindName(ControlKind kind)
{
    switch (kind) {
    case ControlKind::Form: return "Form";
    case ControlKind::Button: return "Button";
    case ControlKind::CheckBox: return "CheckBox";
    case ControlKind::RadioButton: return "RadioButton";
    case ControlKind::RadioGroup: return "RadioGroup";
    case ControlKind::GroupBox: return "GroupBox";
    case ControlKind::Label: return "Label";
    case ControlKind::Edit: return "Edit";
    case ControlKind::Memo: return "Memo";
    case ControlKind::ListBox: return "ListBox";
    case ControlKind::CheckListBox: return "CheckListBox";
    case ControlKind::TrackBar: return "TrackBar";
    case ControlKind::ProgressBar: return "ProgressBar";
    case ControlKind::StatusBar: return "StatusBar";
    case ControlKind::Image: return "Image";
    case ControlKind::BitBtn: return "BitBtn";
    case ControlKind::SpeedButton: return "SpeedButton";
    case ControlKind::Bevel: return "Bevel";
    case ControlKind::Panel: return "Panel";
    case ControlKind::PageControl: return "PageControl";
    case ControlKind::TabSheet: return "TabSheet";
    }
    return "?";
}

const char* borderName(BorderStyle style)
{
    switch (style) {
    case BorderStyle::Sizeable: return "sizeable";
    case BorderStyle::Dialog: return "dialog";
    case BorderStyle::None: return "none";
    case BorderStyle::ToolWindow: return "tool-window";
    case BorderStyle::SizeToolWindow: return "sizeable-tool-window";
    }
    return "?";
}

const char* positionName(FormPosition position)
{
    switch (position) {
    case FormPosition::Designed: return "designed";
    case FormPosition::ScreenCenter: return "screen-centre";
    case FormPosition::MainFormCenter: return "main-form-centre";
    }
    return "?";
}

const char* resultName(ModalResult result) { return toString(result); }

const char* glyphName(Glyph glyph)
{
    switch (glyph) {
    case Glyph::None: return "none";
    case Glyph::Tick: return "tick";
    case Glyph::Cross: return "cross";
    case Glyph::NoEntry: return "no-entry";
    case Glyph::Question: return "question";
    case Glyph::Folder: return "folder";
    }
    return "?";
}

const char* bitBtnName(BitBtnKind kind)
{
    switch (kind) {
    case BitBtnKind::Custom: return "custom";
    case BitBtnKind::Ok: return "ok";
    case BitBtnKind::Cancel: return "cancel";
    case BitBtnKind::Yes: return "yes";
    case BitBtnKind::No: return "no";
    case BitBtnKind::Help: return "help";
    }
    return "?";
}

const char* scrollName(ScrollBars bars)
{
    switch (bars) {
    case ScrollBars::None: return "none";
    case ScrollBars::Horizontal: return "horizontal";
    case ScrollBars::Vertical: return "vertical";
    case ScrollBars::Both: return "both";
    }
    return "?";
}

const char* cutName(BevelCut cut)
{
    switch (cut) {
    case BevelCut::None: return "none";
    case BevelCut::Lowered: return "lowered";
    case BevelCut::Raised: return "raised";
    }
    return "?";
}

std::string sizeText(int width, int height) { return std::to_string(width) + "x" + std::to_string(height); }

std::string fontText(const Font& font)
{
    std::string text = quoted(font.face) + "," + std::to_string(font.pointSize) + "pt";
    if (font.pixelHeight != 0) {
        text += "," + std::to_string(font.pixelHeight) + "px";
    }
    if (font.bold) {
        text += ",bold";
    }
    if (font.fixedPitch) {
        text += ",fixed";
    }
    return text;
}

std::string pictureText(const Picture& picture)
{
    switch (picture.kind) {
    case Picture::Kind::None: return "none";
    case Picture::Kind::File: return "file:" + quoted(picture.file);
    case Picture::Kind::IconFile: return "icon-file:" + quoted(picture.file);
    case Picture::Kind::Resource: return "icon-resource:" + std::to_string(picture.resource);
    case Picture::Kind::Bitmap:
        return "bitmap-resource:" + std::to_string(picture.resource) + "," + sizeText(picture.width, picture.height);
    case Picture::Kind::Pixels: return "pixels:" + sizeText(picture.width, picture.height);
    }
    return "?";
}

std::string iconsText(const BorderIcons& icons)
{
    std::string text;
    auto add = [&](bool on, const char* name) {
        if (on) {
            text += (text.empty() ? "" : "+") + std::string(name);
        }
    };
    add(icons.systemMenu, "system-menu");
    add(icons.minimize, "minimize");
    add(icons.maximize, "maximize");
    return text.empty() ? "none" : text;
}

// Tab visits the controls in creation order, depth first through the
// controls each one holds.
void numberTabStops(const Form& form, const Control* parent, std::map<const Control*, int>& order)
{
    for (const Control* child : form.childrenOf(parent)) {
        if (child->tabStop()) {
            const int next = static_cast<int>(order.size()) + 1;
            order[child] = next;
        }
        numberTabStops(form, child, order);
    }
}

class Dump {
public:
    explicit Dump(const Form& form) : form_(form) { numberTabStops(form, nullptr, tabOrder_); }

    std::string text()
    {
        formLine();
        for (const Component* c : form_.components()) {
            if (const auto* control = dynamic_cast<const Control*>(c)) {
                controlLines(*control);
            } else if (const auto* menu = dynamic_cast<const Menu*>(c)) {
                line(dynamic_cast<const MainMenu*>(menu) != nullptr ? "MainMenu" : "PopupMenu");
                field(menu->name());
                end();
                for (const MenuItem* item : menu->items()) {
                    menuLines(*item, 1);
                }
            } else if (const auto* timer = dynamic_cast<const Timer*>(c)) {
                line("Timer " + timer->name());
                field("interval=" + std::to_string(timer->interval()));
                field(timer->enabled() ? "running" : "stopped");
                end();
            } else if (const auto* dialog = dynamic_cast<const FileDialog*>(c)) {
                dialogLine(*dialog);
            }
        }
        return out_;
    }

private:
    void line(const std::string& start, int depth = 0)
    {
        out_ += std::string(static_cast<std::size_t>(depth) * 2, ' ') + start;
    }
    void field(const std::string& text) { out_ += " " + text; }
    void flag(bool on, const char* name)
    {
        if (on) {
            field(name);
        }
    }
    void end() { out_ += "\n"; }

    void formLine()
    {
        const Form& f = form_;
        line("form " + f.name());
        field("class=" + className(f));
        field("caption=" + quoted(f.caption()));
        field("size=" + sizeText(f.width(), f.height()));
        field("client=" + sizeText(f.clientWidth(), f.clientHeight()));
        if (f.minimumSize() != Size{}) {
            field("minimum=" + sizeText(f.minimumSize().width, f.minimumSize().height));
        }
        field("border=" + std::string(borderName(f.borderStyle())));
        field("icons=" + iconsText(f.borderIcons()));
        flag(f.stayOnTop(), "stay-on-top");
        field("position=" + std::string(positionName(f.position())));
        if (f.font() != Font::standard()) {
            field("font=" + fontText(f.font()));
        }
        if (f.menu() != nullptr) {
            field("menu=" + f.menu()->name());
        }
        end();
    }

    void controlLines(const Control& c)
    {
        line(std::string(kindName(c.kind())) + " " + c.name());
        field("in=" + (c.parent() != nullptr ? c.parent()->name() : std::string("form")));
        const Rect& r = c.bounds();
        field("rect=" + std::to_string(r.left) + "," + std::to_string(r.top) + "," + sizeText(r.width, r.height));
        if (!c.caption().empty()) {
            field("caption=" + quoted(c.caption()));
        }
        if (c.font() != Font::standard()) {
            field("font=" + fontText(c.font()));
        }
        if (!c.hint().empty()) {
            field("hint=" + quoted(c.hint()));
        }
        if (const auto tab = tabOrder_.find(&c); tab != tabOrder_.end()) {
            field("tab=" + std::to_string(tab->second));
        }
        flag(!c.enabled(), "disabled");
        flag(!c.visible(), "hidden");
        flag(c.cursor() == Cursor::HandPoint, "cursor=hand");
        flag(!c.themed(), "classic-look");
        if (c.popupMenu() != nullptr) {
            field("popup=" + c.popupMenu()->name());
        }
        kindFields(c);
        end();
        subLines(c);
    }

    void kindFields(const Control& c)
    {
        if (const auto* button = dynamic_cast<const Button*>(&c)) {
            if (const auto* bit = dynamic_cast<const BitBtn*>(button)) {
                field("bitbtn=" + std::string(bitBtnName(bit->bitBtnKind())));
            }
            if (button->glyph() != Glyph::None) {
                field("glyph=" + std::string(glyphName(button->glyph())));
            }
            if (button->modalResult() != ModalResult::None) {
                field("result=" + std::string(resultName(button->modalResult())));
            }
            flag(button->isDefault(), "default");
            flag(button->isCancel(), "cancel");
        } else if (const auto* box = dynamic_cast<const CheckBox*>(&c)) {
            flag(box->checked(), "checked");
        } else if (const auto* radio = dynamic_cast<const RadioButton*>(&c)) {
            flag(radio->checked(), "checked");
        } else if (const auto* label = dynamic_cast<const Label*>(&c)) {
            flag(label->wordWrap(), "wrap");
        } else if (const auto* edit = dynamic_cast<const Edit*>(&c)) {
            if (!edit->text().empty()) {
                field("text=" + quoted(edit->text()));
            }
            if (edit->maxLength() != 0) {
                field("max-length=" + std::to_string(edit->maxLength()));
            }
            flag(edit->readOnly(), "read-only");
        } else if (const auto* memo = dynamic_cast<const Memo*>(&c)) {
            flag(memo->readOnly(), "read-only");
            if (memo->scrollBars() != ScrollBars::None) {
                field("scroll=" + std::string(scrollName(memo->scrollBars())));
            }
            flag(!memo->bordered(), "no-frame");
            flag(!memo->wordWrap(), "no-wrap");
            flag(memo->parentColor(), "window-colour");
        } else if (const auto* list = dynamic_cast<const ListBox*>(&c)) {
            flag(list->sorted(), "sorted");
            field("item-height=" + std::to_string(list->itemHeight()));
            if (list->itemIndex() >= 0) {
                field("selected=" + std::to_string(list->itemIndex()));
            }
        } else if (const auto* group = dynamic_cast<const RadioGroup*>(&c)) {
            if (group->columns() != 1) {
                field("columns=" + std::to_string(group->columns()));
            }
        } else if (const auto* track = dynamic_cast<const TrackBar*>(&c)) {
            field("range=" + std::to_string(track->min()) + ".." + std::to_string(track->max()));
            field("ticks=" + std::to_string(track->frequency()));
            field("position=" + std::to_string(track->position()));
        } else if (const auto* bar = dynamic_cast<const ProgressBar*>(&c)) {
            field("range=" + std::to_string(bar->min()) + ".." + std::to_string(bar->max()));
            field("position=" + std::to_string(bar->position()));
        } else if (const auto* image = dynamic_cast<const Image*>(&c)) {
            field("picture=" + pictureText(image->picture()));
            flag(image->stretch(), "stretch");
            flag(image->center(), "centre");
            flag(image->autoSize(), "auto-size");
        } else if (const auto* panel = dynamic_cast<const Panel*>(&c)) {
            field("bevel=" + std::string(cutName(panel->bevelOuter())));
        } else if (const auto* bevel = dynamic_cast<const Bevel*>(&c)) {
            field(bevel->shape() == BevelShape::Frame ? "shape=frame" : "shape=box");
        } else if (const auto* pages = dynamic_cast<const PageControl*>(&c)) {
            field("page=" + std::to_string(pages->activePageIndex()));
        }
    }

    // What a control holds line by line: a memo's lines, a list's items.
    void subLines(const Control& c)
    {
        if (const auto* memo = dynamic_cast<const Memo*>(&c)) {
            for (const std::string& text : memo->lines()) {
                line("line " + quoted(text), 2);
                end();
            }
        } else if (const auto* checks = dynamic_cast<const CheckListBox*>(&c)) {
            for (int i = 0; i < checks->count(); ++i) {
                line("item " + quoted(checks->item(i)), 2);
                flag(checks->checked(i), "checked");
                end();
            }
        } else if (const auto* list = dynamic_cast<const ListBox*>(&c)) {
            for (int i = 0; i < list->count(); ++i) {
                line("item " + quoted(list->item(i)), 2);
                end();
            }
        } else if (const auto* group = dynamic_cast<const RadioGroup*>(&c)) {
            for (std::size_t i = 0; i < group->items().size(); ++i) {
                line("item " + quoted(group->items()[i]), 2);
                flag(static_cast<int>(i) == group->itemIndex(), "selected");
                end();
            }
        }
    }

    void menuLines(const MenuItem& item, int depth)
    {
        if (item.isSeparator()) {
            line("separator " + item.name(), depth);
        } else {
            line("item " + item.name() + " " + quoted(item.caption()), depth);
        }
        flag(!item.enabled(), "disabled");
        flag(item.checked(), "checked");
        end();
        for (const MenuItem* sub : item.items()) {
            menuLines(*sub, depth + 1);
        }
    }

    void dialogLine(const FileDialog& d)
    {
        const char* kind = d.kind() == FileDialogKind::Open   ? "OpenDialog "
                           : d.kind() == FileDialogKind::Save ? "SaveDialog "
                                                              : "OpenPictureDialog ";
        line(kind + d.name());
        field("title=" + quoted(d.title));
        field("filter=" + quoted(d.filter));
        if (!d.defaultExt.empty()) {
            field("ext=" + quoted(d.defaultExt));
        }
        const FileDialogOptions& o = d.options;
        flag(o.fileMustExist, "file-must-exist");
        flag(o.pathMustExist, "path-must-exist");
        flag(o.overwritePrompt, "overwrite-prompt");
        flag(!o.hideReadOnly, "read-only-box");
        flag(!o.noChangeDir, "changes-folder");
        end();
    }

    const Form& form_;
    std::map<const Control*, int> tabOrder_;
    std::string out_;
};

}  // namespace

std::string dumpForm(const Form& form) { return Dump(form).text(); }

}  // namespace qm::ui
