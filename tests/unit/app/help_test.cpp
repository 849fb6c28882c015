#include "app_fixture.h"

namespace qm::test {
namespace {

class HelpTest : public AppTest {
 protected:
  HelpTest() {
    // Each window gets a handle of its own, so the owner of a request shows.
    windowHandle = [this](const ui::Form& form) -> WindowHandle {
      if (&form == &instance->about) return 8;
      return &form == &options() ? 7 : 9;
    };
  }
};

TEST_F(HelpTest, EachHelpCommandOpensTheFileBesideTheProgramAtItsTopic) {
  struct Case {
    const char* name;
    std::function<void()> command;
    std::uint32_t helpCommand;
    std::uintptr_t topic;
    std::string page = {};  // a page named in the file's name
    WindowHandle owner = 7;   // the Options window, shown or not
  };
  const Case cases[] = {
      {"tray Help", [this] { tray().Help1.userClick(); }, kHelpDisplayTopic, 0},
      {"Table of Contents", [this] { options().TableofContents1.userClick(); }, kHelpDisplayTopic, 0},
      {"Getting Started", [this] { options().GettingStarted1.userClick(); }, kHelpContext, 4},
      {"the About box's Web Page", [this] { instance->about.Button4.userClick(); }, kHelpDisplayTopic, 0,
       "::/updates.htm", 8},
  };
  ASSERT_TRUE(Start());
  options().hide();
  for (const Case& c : cases) {
    machine.help.calls.clear();
    c.command();
    ASSERT_EQ(machine.help.calls.size(), 1u) << c.name;
    const sim::HelpCall& call = machine.help.calls[0];
    EXPECT_EQ(call.owner, c.owner) << c.name;
    EXPECT_EQ(call.file, "C:\\Tools\\QuellmarchHelp.chm" + c.page) << c.name;
    EXPECT_EQ(call.command, c.helpCommand) << c.name;
    EXPECT_EQ(call.data, c.topic) << c.name;
  }
}

}  // namespace
}  // namespace qm::test
