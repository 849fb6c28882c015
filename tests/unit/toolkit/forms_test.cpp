// Forms through the headless backend: modal results, showing and hiding,
// sizes, closing, and the application's error report.
#include "toolkit/sample_form.h"
#include "ui/toolkit/headless/headless_backend.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <stdexcept>
#include <utility>

namespace qm::ui::test {
namespace {

class ToolkitForms : public ::testing::Test {
protected:
    void SetUp() override
    {
        backend.onFailure = nullptr;  // the tests below look at failures themselves
        app.setTitle("Quellmarch");
        app.add(main);
        app.add(sample);
        app.add(other);
    }
    bool logged(const std::string& line) const
    {
        const auto& log = backend.log();
        return std::find(log.begin(), log.end(), line) != log.end();
    }

    HeadlessBackend backend;
    Application app{backend};
    OtherForm main;
    SampleForm sample;
    OtherForm other;
};

TEST_F(ToolkitForms, ModalShowReturnsTheResultOfTheButtonTheScriptPressed)
{
    backend.answer<SampleForm>([](SampleForm& f) {
        EXPECT_TRUE(f.visible());
        EXPECT_TRUE(f.isModal());
        f.Edit1.userSetText("filled in");
        f.Button1.userClick();  // no modal result: the form stays open
        EXPECT_EQ(f.modalResult(), ModalResult::None);
        f.Button2.userClick();
        return ModalResult::None;
    });
    EXPECT_EQ(sample.showModal(), ModalResult::Yes);
    EXPECT_FALSE(sample.visible());
    EXPECT_FALSE(sample.isModal());
    EXPECT_EQ(sample.Edit1.text(), "filled in");
    EXPECT_TRUE(logged("modal Sample -> Yes"));

    backend.answer<SampleForm>(ModalResult::No);
    EXPECT_EQ(sample.showModal(), ModalResult::No);
}

TEST_F(ToolkitForms, ClosingAModalFormCancelsIt)
{
    backend.answer<SampleForm>([](SampleForm& f) {
        f.close();
        return ModalResult::None;
    });
    EXPECT_EQ(sample.showModal(), ModalResult::Cancel);
}

TEST_F(ToolkitForms, ScriptsBelongToAFormClassAndNestedShowsWork)
{
    backend.answer<OtherForm>(ModalResult::Ok);
    backend.answer<SampleForm>([this](SampleForm&) {
        EXPECT_EQ(backend.modalDepth(), 1);
        EXPECT_EQ(other.showModal(), ModalResult::Ok);
        return ModalResult::Cancel;
    });
    EXPECT_EQ(sample.showModal(), ModalResult::Cancel);
    EXPECT_EQ(backend.modalDepth(), 0);
}

// While a modal form runs no other window takes input, shown or hidden (a
// window shown meanwhile would take clicks), and each comes back as it was.
// A menu the program opens itself (the tray's) stays live.
TEST_F(ToolkitForms, AModalShowDisablesEveryOtherWindowUntilItEnds)
{
    OtherForm third;
    app.add(third);
    third.setEnabled(false);
    PopupMenu shownByCode{main, "ShownByCode"};
    MenuItem live{main, "Live", "&Live"};
    shownByCode.add(live);
    sample.ListBox1.setPopupMenu(&sample.PopupMenu1);
    sample.ListBox1.setItems({"a", "b"});
    int acted = 0;
    for (std::function<void()>* handler : {&sample.ListBox1.onDblClick, &sample.Button1.onClick, &sample.Item1.onClick,
                                           &sample.CheckBox1.onClick, &live.onClick}) {
        *handler = [&] { ++acted; };
    }
    sample.Edit1.onChange = [&] { ++acted; };
    sample.show();
    backend.answer<OtherForm>([&](OtherForm& f) {
        if (&f == &third) {
            EXPECT_TRUE(third.enabled()) << "a modal window takes input even when it was disabled";
            EXPECT_FALSE(other.enabled());
            return ModalResult::Ok;
        }
        EXPECT_FALSE(sample.enabled());
        EXPECT_FALSE(main.enabled()) << "hidden windows too";
        EXPECT_FALSE(third.enabled());
        sample.ListBox1.userDoubleClick(1);
        sample.Button1.userClick();
        sample.Item1.userClick();
        sample.CheckBox1.userToggle();
        sample.Edit1.userSetText("typed");
        EXPECT_EQ(acted, 0) << "a window that takes no input ignores the user";
        EXPECT_EQ(sample.ListBox1.itemIndex(), -1);
        live.userClick();
        EXPECT_EQ(acted, 1);
        EXPECT_EQ(third.showModal(), ModalResult::Ok);
        EXPECT_TRUE(other.enabled()) << "a nested modal gives its caller back";
        EXPECT_FALSE(third.enabled());
        return ModalResult::Ok;
    });
    EXPECT_EQ(other.showModal(), ModalResult::Ok);
    EXPECT_TRUE(sample.enabled());
    EXPECT_TRUE(main.enabled());
    EXPECT_FALSE(third.enabled()) << "a window disabled before stays disabled";
    sample.ListBox1.userDoubleClick(1);
    EXPECT_EQ(acted, 2);
}

TEST_F(ToolkitForms, AnUnansweredModalShowFailsLoudly)
{
    EXPECT_THROW(sample.showModal(), UnansweredModal);
    ASSERT_EQ(backend.failures().size(), 1u);
    EXPECT_NE(backend.failures()[0].find("Sample"), std::string::npos);
    EXPECT_FALSE(sample.isModal());

    backend.answer<SampleForm>([](SampleForm&) { return ModalResult::None; });
    EXPECT_THROW(sample.showModal(), UnansweredModal) << "an answer that leaves the form open is a test fault";
}

TEST_F(ToolkitForms, FileDialogsAnswerFromTheQueue)
{
    sample.OpenDialog1.title = "Pick";
    sample.OpenDialog1.fileName = "before.qmf";
    backend.queueFile("C:\\x\\chosen.qmf");
    backend.queueFile(std::nullopt);
    EXPECT_TRUE(sample.OpenDialog1.execute());
    EXPECT_EQ(sample.OpenDialog1.fileName, "C:\\x\\chosen.qmf");
    EXPECT_FALSE(sample.OpenDialog1.execute());
    EXPECT_EQ(sample.OpenDialog1.fileName, "C:\\x\\chosen.qmf") << "cancel keeps the last name";
    EXPECT_TRUE(logged("file dialog \"Pick\" -> cancel"));
    EXPECT_THROW(sample.OpenDialog1.execute(), UnansweredModal);
}

TEST_F(ToolkitForms, ClosingHidesAWindowButEndsTheProgramOnlyForTheMainForm)
{
    sample.show();
    sample.close();
    EXPECT_FALSE(sample.visible());
    EXPECT_FALSE(backend.quitRequested());

    sample.show();
    sample.onClose = [](CloseAction& action) { action = CloseAction::None; };
    sample.close();
    EXPECT_TRUE(sample.visible());

    EXPECT_EQ(app.mainForm(), &main);
    main.show();
    main.close();
    EXPECT_TRUE(backend.quitRequested());
}

TEST_F(ToolkitForms, ShowFiresOnShowOnlyWhenTheWindowAppears)
{
    int shows = 0;
    sample.onShow = [&] { ++shows; };
    sample.show();
    sample.show();
    sample.hide();
    sample.showNoActivate();
    EXPECT_EQ(shows, 2);
    EXPECT_TRUE(logged("show without focus Sample"));
}

TEST_F(ToolkitForms, ClientAndOuterSizesStayInStepAcrossBorderStyles)
{
    int resizes = 0;
    sample.onResize = [&] { ++resizes; };
    sample.setBorderStyle(BorderStyle::Dialog);
    sample.setClientSize(515, 54);
    EXPECT_EQ(sample.width(), 521);
    EXPECT_EQ(sample.height(), 79);
    sample.setBorderStyle(BorderStyle::None);
    EXPECT_EQ(sample.width(), 515);
    EXPECT_EQ(sample.clientHeight(), 54);
    EXPECT_EQ(resizes, 3) << "the first frame alone changed the client area";

    sample.setSize(633, 578);
    sample.setBorderStyle(BorderStyle::Sizeable);
    EXPECT_EQ(sample.width(), 633) << "an outer size stays the outer size";
    EXPECT_EQ(sample.clientWidth(), 625);
    EXPECT_EQ(resizes, 5) << "a new frame changes the client area, along whose edges controls lie";
    sample.userResized(700, 600, 692, 573);
    EXPECT_EQ(sample.clientHeight(), 573);
    EXPECT_EQ(resizes, 6);
}

TEST_F(ToolkitForms, ACentredFormIsPlacedOnceAtItsFirstShow)
{
    sample.setPosition(FormPosition::ScreenCenter);
    sample.setSize(300, 200);
    sample.show();
    EXPECT_EQ(sample.left(), (1024 - 300) / 2);
    EXPECT_EQ(sample.top(), (768 - 200) / 2);
    sample.hide();
    sample.userMoved(5, 6);
    sample.show();
    EXPECT_EQ(sample.left(), 5);
}

TEST_F(ToolkitForms, ErrorsEndTheCommandAndReachTheReport)
{
    bool after = false;
    app.guard([] { throw std::runtime_error("Cannot write C:\\x.qmf"); });
    app.guard([] { throw 42; });
    app.guard([&] { after = true; });
    EXPECT_TRUE(after);
    EXPECT_TRUE(logged("message Quellmarch: Cannot write C:\\x.qmf"));
    EXPECT_TRUE(logged("message Quellmarch: Unknown error."));
}

TEST_F(ToolkitForms, TheLogShowsTextsAndProgressAsTheUserWouldSeeThem)
{
    backend.clearLog();
    sample.ProgressBar1.setPosition(150);
    sample.Memo1.setLines({"a", "b"});
    sample.ProgressBar1.setPosition(100);  // unchanged after clamping: not shown again
    EXPECT_EQ(backend.log(), (std::vector<std::string>{"progress Sample.ProgressBar1: 100", "text Sample.Memo1: a\nb"}));
}

TEST_F(ToolkitForms, ARightClickFindsTheItemUnderTheMouse)
{
    sample.ListBox1.setItems({"a", "b", "c"});
    sample.ListBox1.setItemHeight(15);
    EXPECT_EQ(sample.ListBox1.itemAtPos(3, 0), 0);
    EXPECT_EQ(sample.ListBox1.itemAtPos(3, 44), 2);
    EXPECT_EQ(sample.ListBox1.itemAtPos(3, 45), -1) << "below the last item";
    EXPECT_EQ(sample.ListBox1.itemAtPos(-1, 5), -1);
}

// A style the native window takes only at its creation cannot change later:
// refused in every backend, so no window silently keeps the old look.
TEST_F(ToolkitForms, StylesFixedAtCreationAreRefusedOnceTheFormIsAttached)
{
    Label label{sample, "Label1"};
    Memo& memo = sample.Memo1;
    const std::pair<const char*, std::function<void()>> changes[] = {
        {"memo word wrap", [&] { memo.setWordWrap(!memo.wordWrap()); }},
        {"memo border", [&] { memo.setBordered(!memo.bordered()); }},
        {"memo scroll bars", [&] { memo.setScrollBars(ScrollBars::Both); }},
        {"label word wrap", [&] { label.setWordWrap(!label.wordWrap()); }},
        {"default button", [&] { sample.Button1.setDefault(!sample.Button1.isDefault()); }},
    };
    for (const auto& [what, change] : changes) {
        EXPECT_THROW(change(), std::logic_error) << what;
    }
    EXPECT_TRUE(sample.Memo1.wordWrap()) << "a refused change leaves the model as the window is";
    EXPECT_NO_THROW(sample.Memo1.setWordWrap(true)) << "setting the style it has changes nothing";
    EXPECT_NO_THROW(sample.Memo1.setReadOnly(true)) << "read-only is no creation style";
}

// The splash names itself the main form though other windows came first; a
// dialog centred on the main form follows it but stays on the screen.
TEST_F(ToolkitForms, TheNamedMainFormEndsTheProgramAndCentresItsDialogs)
{
    int paints = 0;
    sample.onPaint = [&] { ++paints; };
    app.setMainForm(sample);
    EXPECT_FALSE(main.isMainForm());
    other.setPosition(FormPosition::MainFormCenter);
    other.setSize(100, 50);
    for (const auto& [mainBounds, expected] : {std::pair{Rect{200, 100, 300, 200}, Rect{300, 175, 100, 50}},
                                              std::pair{Rect{1000, 700, 1, 1}, Rect{924, 676, 100, 50}}}) {
        sample.setBounds(mainBounds);
        other.show();
        EXPECT_EQ(other.bounds(), expected);
        other.hide();
    }
    sample.show();
    sample.show();
    EXPECT_EQ(paints, 1) << "a window is painted when it appears";
    sample.close();
    EXPECT_TRUE(backend.quitRequested());
}

TEST_F(ToolkitForms, AnAutoSizedImageTakesTheSizeOfItsPicture)
{
    Image image{sample, "Image1"};
    image.setAutoSize(true);
    image.setPicture(Picture::fromBitmapResource(202, 277, 24));
    EXPECT_EQ(image.bounds(), (Rect{0, 0, 277, 24}));
    image.setPicture(Picture::fromFile("C:\\x.bmp"));
    EXPECT_EQ(image.bounds(), (Rect{0, 0, 277, 24})) << "a file's size is known only once it is loaded";
}

TEST_F(ToolkitForms, AControlCannotMoveOnceItsFormIsAttached)
{
    EXPECT_THROW(sample.Edit1.setParent(sample.Panel1), std::logic_error);
    OtherForm detached;
    EXPECT_THROW(detached.showModal(), std::logic_error);
    EXPECT_THROW(main.attach(backend), std::logic_error);
}

}  // namespace
}  // namespace qm::ui::test
