// What start-up shows first: the splash, the first start's windows or the
// Options window; and the About box from the tray and the Options window.
#include "app_fixture.h"

namespace qm::test {
namespace {

using Lines = std::vector<std::string>;

class SplashStartupTest : public AppTest {
 protected:
  TSplasher& splash() { return instance->splash; }
  // The modal windows start-up opened, in order.
  Lines Modals() const {
    Lines shown;
    for (const std::string& line : backend.log()) {
      if (line.rfind("modal ", 0) == 0 && line.find(" -> ") == std::string::npos) shown.push_back(line);
    }
    return shown;
  }
};

TEST_F(SplashStartupTest, OnlyAFileThatWantsItGetsTheSplashAndTheFirstStartWelcomesInstead) {
  struct Case {
    const char* name;
    std::string qmf;  // written to C:\go.qmf unless empty
    std::string argument;
    bool firstStart;
    bool splashShown;
    bool optionsShown;
    Lines modals;
  };
  const std::string plain = QmfText{}.Build();
  const std::string quiet = QmfText{{}, {}, "Hide_Splashscreen=1\r\n"}.Build();
  const Case cases[] = {
      {"a file", plain, "C:\\go.qmf", false, true, false, {}},
      {"a file that hides the splash", quiet, "C:\\go.qmf", false, false, false, {}},
      {"the first start", plain, "C:\\go.qmf", true, false, true, {"modal Welcome", "modal AutoAdvertForm"}},
      {"no file", "", "", false, false, true, {}},
      {"a file that is gone", "", "C:\\go.qmf", false, false, true, {"modal attention"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    machine.registry = sim::SimRegistry{};
    if (!c.firstStart) machine.registry.Put(kSettingsKey, "ProgramHint", RegValue{RegType::Integer, {}, 1});
    machine.files.Remove("C:\\go.qmf");
    if (!c.qmf.empty()) machine.files.Put("C:\\go.qmf", c.qmf);
    backend.clearLog();
    ASSERT_TRUE(Start(c.argument));
    EXPECT_EQ(&splash(), backend.mainForm());
    EXPECT_EQ(Modals(), c.modals);
    EXPECT_EQ(splash().visible(), c.splashShown);
    EXPECT_EQ(options().visible(), c.optionsShown);
    if (!c.splashShown) {
      EXPECT_EQ(splash().width(), 1) << "ended before the loop runs";
    } else {
      backend.elapse(1999);
      EXPECT_TRUE(splash().visible());
      backend.elapse(1);
    }
    backend.elapse(3000);
    EXPECT_EQ(Count("show without focus Splasher") + Count("show Splasher"), c.splashShown ? 1 : 0)
        << "a splash that is not wanted never shows, not even for a moment";
    EXPECT_FALSE(splash().visible());
    EXPECT_EQ(splash().width(), 1);
    EXPECT_EQ(splash().height(), 1);
    EXPECT_EQ(splash().SplashInterval, 0);
    EXPECT_FALSE(splash().Timer1.enabled());
  }
}

TEST_F(SplashStartupTest, TheTrayAndTheOptionsWindowOpenTheAboutBoxWithTheNotesBesideTheProgram) {
  machine.files.Put("C:\\Tools\\ReleaseNotes.txt", "Notes\r\nline two\r\n");
  ASSERT_TRUE(Start());
  for (ui::MenuItem* command : {&tray().About, &options().About1}) {
    SCOPED_TRACE(command->name());
    instance->about.hide();
    command->userClick();
    EXPECT_TRUE(instance->about.visible());
    EXPECT_EQ(instance->about.Memo1.lines(), (Lines{"Notes", "line two"}));
    EXPECT_EQ(instance->about.Memo2.lines().at(0), "Quellmarch version 1.0.6");
  }
}

}  // namespace
}  // namespace qm::test
