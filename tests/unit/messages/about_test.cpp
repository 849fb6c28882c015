// The About box: its notes page, its version line, its web page and the
// information window behind its picture.
#include "platform/sim/sim_files.h"
#include "ui/messages/about_form.h"
#include "ui/toolkit/headless/headless_backend.h"

#include <gtest/gtest.h>

namespace qm {
namespace {

using Lines = std::vector<std::string>;

constexpr char kNotes[] = "C:\\Program Files\\Quellmarch\\ReleaseNotes.txt";

class AboutBox : public ::testing::Test {
protected:
    AboutBox()
    {
        backend.onFailure = [](const std::string& m) { ADD_FAILURE() << m; };
        app.add(about);
        app.add(information);
    }
    ui::HeadlessBackend backend;
    ui::Application app{backend};
    sim::SimFiles files;
    TInformation information;
    TAboutForm about{files, information, [] { return std::string("C:\\Program Files\\Quellmarch\\"); }};
};

TEST_F(AboutBox, EveryShowReadsTheNotesAfreshAndTheVersionLineStays)
{
    struct Case {
        const char* name;
        std::function<void()> arrange;
        Lines notes;
    };
    const Case cases[] = {
        {"present", [&] { files.Put(kNotes, "Quellmarch 1.0.6\r\n\r\n- New: help\r\n"); },
         {"Quellmarch 1.0.6", "", "- New: help"}},
        {"empty", [&] { files.Put(kNotes, ""); }, {}},
        {"missing", [&] { files.Remove(kNotes); },
         {"", "Error: file C:\\Program Files\\Quellmarch\\ReleaseNotes.txt could not be found."}},
        {"locked", [&] {
             files.Put(kNotes, "x");
             files.FailReads(kNotes);
         },
         {"", "Error: file C:\\Program Files\\Quellmarch\\ReleaseNotes.txt could not be read."}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        c.arrange();
        about.UpShow();
        EXPECT_EQ(about.Memo1.lines(), c.notes);
        EXPECT_EQ(about.Memo2.lines().at(0), "Quellmarch version 1.0.6");
        EXPECT_TRUE(about.visible());
        EXPECT_FALSE(about.isModal());
        about.Button3.userClick();
        EXPECT_FALSE(about.visible()) << "&CLOSE hides the box";
    }
}

// The web page is a page of the help file we ship: nothing leads to an
// address that is not there.
TEST_F(AboutBox, TheWebPageButtonsOpenTheHelpsUpdatesPageAndThePictureOpensTheNote)
{
    std::vector<std::string> opened;
    about.OpenHelpPage = [&](const std::string& page) { opened.push_back(page); };
    about.Button4.userClick();
    about.Button6.userClick();
    EXPECT_EQ(opened, (Lines{"updates.htm", "updates.htm"}));

    ASSERT_EQ(about.Image1.popupMenu(), &about.PopupMenu1);
    backend.answer<TInformation>(ui::ModalResult::Ok);
    about.MoreInfo.userClick();
    EXPECT_EQ(backend.log().back(), "modal Information -> OK");
}

}  // namespace
}  // namespace qm
