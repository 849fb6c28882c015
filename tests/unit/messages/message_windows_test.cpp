// The message windows as the user meets them, through the headless backend.
#include "ui/messages/attention.h"
#include "ui/messages/empty_boxes.h"
#include "ui/messages/notfound.h"
#include "ui/messages/preregistry.h"
#include "ui/messages/terminating_status.h"
#include "ui/toolkit/headless/headless_backend.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace qm {
namespace {

using ui::ModalResult;
using Lines = std::vector<std::string>;

class MessageWindows : public ::testing::Test {
protected:
    void SetUp() override
    {
        backend.onFailure = [](const std::string& m) { ADD_FAILURE() << m; };
        for (ui::Form* f : std::initializer_list<ui::Form*>{&status, &emptyBoxes, &notfound, &attention, &preregistry}) {
            app.add(*f);
        }
    }
    void expectMessageWindow(const ui::Form& f, const std::string& caption)
    {
        EXPECT_EQ(f.caption(), caption);
        EXPECT_EQ(f.borderIcons(), ui::BorderIcons::none());
        EXPECT_TRUE(f.stayOnTop());
        EXPECT_EQ(f.position(), ui::FormPosition::ScreenCenter);
    }

    ui::HeadlessBackend backend;
    ui::Application app{backend};
    TTerminatingStatus status;
    TEmptyBoxes emptyBoxes;
    Tnotfound notfound;
    Tattention attention;
    Tpreregistry preregistry;
};

TEST_F(MessageWindows, StatusWindowIsABorderlessStripThatNeverTakesTheFocus)
{
    EXPECT_EQ(status.caption(), "Quellmarch: Terminating Processes");
    EXPECT_EQ(status.borderStyle(), ui::BorderStyle::None);
    EXPECT_TRUE(status.stayOnTop());
    EXPECT_EQ(status.clientWidth(), 515);
    EXPECT_EQ(status.clientHeight(), 54);
    EXPECT_EQ(status.ProgressBar1.width(), 500);
    EXPECT_EQ(status.StatusBar1.width(), 500);
    EXPECT_TRUE(status.StatusBar1.font().fixedPitch);

    // The batches hold the thread while they change the window: each change
    // is painted at once, not when a message loop next runs.
    backend.clearLog();
    status.setStatusText("Terminating: notepad.exe");  // while hidden
    status.showWithoutFocus();
    status.setProgress(50);
    status.setProgress(250);
    status.setProgress(-3);
    status.setStatusText("Searching for C:\\x.exe");
    status.hideStatus();
    EXPECT_EQ(backend.log(), (Lines{"text TerminatingStatus.StatusBar1: Terminating: notepad.exe",
                                    "show without focus TerminatingStatus", "progress TerminatingStatus.ProgressBar1: 50",
                                    "paint TerminatingStatus.ProgressBar1", "progress TerminatingStatus.ProgressBar1: 100",
                                    "paint TerminatingStatus.ProgressBar1", "progress TerminatingStatus.ProgressBar1: 0",
                                    "paint TerminatingStatus.ProgressBar1",
                                    "text TerminatingStatus.StatusBar1: Searching for C:\\x.exe",
                                    "paint TerminatingStatus.StatusBar1", "hide TerminatingStatus"}));
    status.setStatusText("Terminating: notepad.exe");
    EXPECT_EQ(status.statusText(), "Terminating: notepad.exe") << "the text waits for the next show";
}

TEST_F(MessageWindows, AttentionShowsItsTextModallyAndKeepsItsSize)
{
    expectMessageWindow(attention, "Attention");
    EXPECT_EQ(attention.width(), 291);
    EXPECT_EQ(attention.height(), 198);
    EXPECT_TRUE(attention.Memo1.readOnly());
    EXPECT_FALSE(attention.Memo1.bordered());
    EXPECT_TRUE(attention.Memo1.wordWrap());

    Lines seen;
    backend.answer<Tattention>([&](Tattention& f) {
        seen.push_back(f.Memo1.text());
        f.BitBtn1.userClick();
        return ModalResult::None;
    });
    const std::string longText(600, 'x');
    attention.ShowAttention("There are no programs listed to run.");
    attention.ShowAttention(longText);
    EXPECT_EQ(seen, (Lines{"There are no programs listed to run.", longText}));
    EXPECT_EQ(attention.width(), 291) << "a long text wraps; the window does not grow";
    EXPECT_EQ(attention.Memo1.text(), longText) << "the window keeps its last text";
    EXPECT_EQ(std::count(backend.log().begin(), backend.log().end(), "modal attention -> OK"), 2);

    // A second message while one is open (from the tray, say) only brings the open one forward.
    backend.answer<Tattention>([](Tattention& f) {
        f.ShowAttention("There are no processes listed for termination.");
        return ModalResult::Ok;
    });
    backend.clearLog();
    attention.ShowAttention("There are no programs listed to run.");
    EXPECT_EQ(attention.Memo1.text(), "There are no programs listed to run.");
    EXPECT_EQ(std::count(backend.log().begin(), backend.log().end(), "modal attention"), 1);
    EXPECT_EQ(std::count(backend.log().begin(), backend.log().end(), "show attention"), 2);
}

TEST_F(MessageWindows, EmptyBoxesExplainsBothClicksInSixFixedLines)
{
    expectMessageWindow(emptyBoxes, "Attention");
    EXPECT_EQ(emptyBoxes.Memo1.lines(), (Lines{"Double-click on the system tray icon to alternate ",
                                               "between running the programs and terminating the ",
                                               "processes you specify in the two boxes.", "",
                                               "Single-click on the system tray icon for shortcuts to ",
                                               "various options."}));
    EXPECT_EQ(emptyBoxes.BitBtn1.modalResult(), ModalResult::Ok);
}

TEST_F(MessageWindows, NotFoundOffersThreeChoicesWithIgnoreFirstChecked)
{
    expectMessageWindow(notfound, "Quellmarch Configuration File Not Found");
    EXPECT_EQ(notfound.width(), 386);
    EXPECT_EQ(notfound.height(), 340);
    EXPECT_EQ(notfound.Memo1.lines(), (Lines{"You have asked Quellmarch to launch automatically ",
                                             "with Windows and run the configuration file:"}));
    EXPECT_EQ(notfound.Memo1.font().pixelHeight, 16);
    EXPECT_EQ(notfound.Memo2.text(), "This file could not be found; what do you want to do?");
    EXPECT_TRUE(notfound.RadioButton3.checked());
    EXPECT_FALSE(notfound.RadioButton1.checked());
    EXPECT_EQ(notfound.RadioButton1.caption(), "&Browse for the file manually and correct startup file location.");
    EXPECT_EQ(notfound.RadioButton2.caption(), "&Delete the startup entry for this configuration file and exit.");
    EXPECT_EQ(notfound.RadioButton3.caption(), "&Ignore this error for now and exit Quellmarch.");
    EXPECT_EQ(notfound.OpenDialog1.title, "Browse for Configuration File");
    EXPECT_EQ(notfound.OpenDialog1.filter, "Quellmarch Configuration files (*.qmf)|*.qmf");
    EXPECT_EQ(notfound.OpenDialog1.defaultExt, "qmf");

    backend.answer<Tnotfound>([](Tnotfound& f) {
        f.RadioButton2.userCheck();
        f.BitBtn1.userClick();
        return ModalResult::None;
    });
    notfound.Memo3.setText("C:\\Configs\\gone.qmf");
    EXPECT_EQ(notfound.showModal(), ModalResult::Ok);
    EXPECT_TRUE(notfound.RadioButton2.checked());
    EXPECT_FALSE(notfound.RadioButton3.checked());
}

TEST_F(MessageWindows, PreregistryNoteAnswersOkOrCancel)
{
    expectMessageWindow(preregistry, "Note");
    EXPECT_EQ(preregistry.width(), 537);
    EXPECT_EQ(preregistry.height(), 215);
    const Lines& text = preregistry.preregistry.lines();
    ASSERT_EQ(text.size(), 8u);
    EXPECT_EQ(text[0].back(), ' ');
    EXPECT_EQ(text[3], "The inserted key will be at HKEY_LOCAL_MACHINE\\Software\\Microsoft\\Windows\\CurrentVersion\\Run");
    EXPECT_NE(text[7].find("\"Start with WIndows\""), std::string::npos);

    backend.answer<Tpreregistry>([](Tpreregistry& f) {
        f.BitBtn2.userClick();
        return ModalResult::None;
    });
    EXPECT_EQ(preregistry.showModal(), ModalResult::Cancel);
    backend.answer<Tpreregistry>([](Tpreregistry& f) {
        f.BitBtn1.userClick();
        return ModalResult::None;
    });
    EXPECT_EQ(preregistry.showModal(), ModalResult::Ok);
}

}  // namespace
}  // namespace qm
