// Forms through the headless backend: modal results, showing and hiding,
// sizes, closing, and the application's error report.
#include "toolkit/sample_form.h"
#include "ui/toolkit/headless/headless_backend.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <stdexcept>

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
    EXPECT_EQ(resizes, 2);

    sample.setSize(633, 578);
    sample.setBorderStyle(BorderStyle::Sizeable);
    EXPECT_EQ(sample.width(), 633) << "an outer size stays the outer size";
    EXPECT_EQ(sample.clientWidth(), 625);
    sample.userResized(700, 600, 692, 573);
    EXPECT_EQ(sample.clientHeight(), 573);
    EXPECT_EQ(resizes, 4);
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

TEST_F(ToolkitForms, AControlCannotMoveOnceItsFormIsAttached)
{
    EXPECT_THROW(sample.Edit1.setParent(sample.Panel1), std::logic_error);
    OtherForm detached;
    EXPECT_THROW(detached.showModal(), std::logic_error);
    EXPECT_THROW(main.attach(backend), std::logic_error);
}

}  // namespace
}  // namespace qm::ui::test
