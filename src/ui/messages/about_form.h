// The About box: the version and credits, the release notes read from the
// file beside the program, the splash banner under a picture whose
// right-click menu opens the information window, and the product's page.
#pragma once

#include <functional>
#include <string>

#include "platform/files.h"
#include "ui/messages/information.h"
#include "ui/toolkit/toolkit.h"

namespace qm {

inline constexpr char kReleaseNotesFileName[] = "ReleaseNotes.txt";

class TAboutForm : public ui::Form {
public:
    // `exeDir` gives the program's folder with its trailing backslash.
    TAboutForm(Files& files, TInformation& information, std::function<std::string()> exeDir);

    // Opens a page of the help file by its name, owned by this box.
    std::function<void(const std::string& page)> OpenHelpPage;

    // Reads the release notes afresh, puts the version into the About text
    // the first time, and shows the box (not modally).
    void UpShow();
    // Opens the product's page: a page of the help file (web_address.h).
    void FormGotoURL();
    void InfoEgg();
    // "&CLOSE": the box only hides; it lives as long as the instance.
    void FormDestroy() { hide(); }

    // Made before the pages so that it lies above their tab row.
    ui::Button Button3{*this, "Button3", "&CLOSE"};
    ui::PageControl ReleaseNotesTab{*this, "ReleaseNotesTab"};
    ui::TabSheet TabSheet1{ReleaseNotesTab, "TabSheet1", "About"};
    ui::Memo Memo2{*this, "Memo2"};
    ui::Button Button4{*this, "Button4", "Web Page"};
    ui::TabSheet TabSheet2{ReleaseNotesTab, "TabSheet2", "Release Notes"};
    ui::Memo Memo1{*this, "Memo1"};
    ui::Button Button6{*this, "Button6", "Web Page"};
    ui::TabSheet TabSheet4{ReleaseNotesTab, "TabSheet4", "Splash Screen"};
    ui::Image Image1{*this, "Image1"};
    ui::Image Image2{*this, "Image2"};
    ui::Bevel Bevel1{*this, "Bevel1"};
    ui::PopupMenu PopupMenu1{*this, "PopupMenu1"};
    ui::MenuItem MoreInfo{*this, "MoreInfo", "More Info"};

private:
    void ReadReleaseNotes();

    Files& files_;
    TInformation& information_;
    std::function<std::string()> exeDir_;
};

}  // namespace qm
