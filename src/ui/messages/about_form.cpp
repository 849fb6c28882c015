#include "ui/messages/about_form.h"

#include "ui/messages/web_address.h"
#include "ui/pictures.h"
#include "ui/version.h"

namespace qm {

namespace {

constexpr char kVersionPlaceholder[] = "VERSIONSTRING";

void placeMemo(ui::Memo& memo, ui::Control& page, ui::Rect bounds)
{
    memo.setParent(page);
    memo.setBounds(bounds);
    memo.setReadOnly(true);
    memo.setScrollBars(ui::ScrollBars::Vertical);
}

}  // namespace

TAboutForm::TAboutForm(Files& files, TInformation& information, std::function<std::string()> exeDir)
    : Form("AboutForm"), files_(files), information_(information), exeDir_(std::move(exeDir))
{
    setCaption("About Quellmarch");
    setBorderStyle(ui::BorderStyle::ToolWindow);
    setBorderIcons(ui::BorderIcons::none());
    setStayOnTop(true);
    setPosition(ui::FormPosition::ScreenCenter);
    setClientSize(297, 225);

    // The tab row leaves room at its right end, where the button is within
    // reach from every page.
    Button3.setBounds(218, 1, 75, 19);
    // Closing is the box's one action: Enter and Escape both close it.
    Button3.setDefault(true);
    Button3.setCancel(true);
    Button3.onClick = [this] { FormDestroy(); };
    ReleaseNotesTab.setBounds(0, 0, 297, 225);

    placeMemo(Memo2, TabSheet1, {6, 6, 277, 149});
    Memo2.setLines({
        std::string("Quellmarch version ") + kVersionPlaceholder,
        "",
        "Starts one group of programs and ends another with a double-click on its tray icon.",
        "",
        "Thanks to everyone who tried the early versions and wrote in with the background "
        "programs that would not end.",
        "",
        "Quellmarch is free to use and to pass on. Its Web Page, in the help, tells how to update "
        "it to a new version and how to remove it.",
    });
    Button4.setParent(TabSheet1);
    Button4.setBounds(107, 164, 75, 25);
    Button4.setCursor(ui::Cursor::HandPoint);

    placeMemo(Memo1, TabSheet2, {8, 6, 273, 143});
    Button6.setParent(TabSheet2);
    Button6.setBounds(107, 158, 75, 25);
    for (ui::Button* web : {&Button4, &Button6}) {
        web->onClick = [this] { FormGotoURL(); };
    }

    Bevel1.setParent(TabSheet4);
    Bevel1.setBounds(5, 4, 279, 184);
    Image1.setParent(TabSheet4);
    Image1.setBounds(6, 5, 277, 158);
    Image1.setCenter(true);
    Image1.setStretch(true);
    Image1.setPicture(pictures::Dusk());
    Image1.setPopupMenu(&PopupMenu1);
    Image2.setParent(TabSheet4);
    Image2.setBounds(6, 163, 277, 24);
    Image2.setAutoSize(true);
    Image2.setPicture(pictures::Banner());
    PopupMenu1.add(MoreInfo);
    MoreInfo.onClick = [this] { InfoEgg(); };
}

void TAboutForm::UpShow()
{
    ReadReleaseNotes();
    // The text is rewritten from itself, so only the first show finds the
    // placeholder.
    std::string about = Memo2.text();
    if (const std::size_t at = about.find(kVersionPlaceholder); at != std::string::npos) {
        about.replace(at, sizeof kVersionPlaceholder - 1, kVersionString);
        Memo2.setText(about);
    }
    show();
}

void TAboutForm::ReadReleaseNotes()
{
    const std::string path = exeDir_() + kReleaseNotesFileName;
    if (!files_.FileExists(path)) {
        Memo1.setText("\r\nError: file " + path + " could not be found.");
        return;
    }
    // A file that is there but cannot be read (locked, say) is named as such
    // rather than ending the command with an error.
    const std::optional<std::string> text = files_.ReadWholeFile(path);
    Memo1.setText(text ? *text : "\r\nError: file " + path + " could not be read.");
}

// The page ships inside the help file, so it opens in the help viewer, the
// one program sure to read it; what the viewer makes of a missing file is
// its own report.
void TAboutForm::FormGotoURL()
{
    if (OpenHelpPage) {
        OpenHelpPage(ProductWebAddress());
    }
}

void TAboutForm::InfoEgg() { information_.showModal(); }

}  // namespace qm
