#include "config/app_error.h"
#include "options_fixture.h"

namespace qm::test {
namespace {

class IconsTest : public OptionsTest {
 protected:
  IconsTest() { files.Put("C:\\Icons\\good.ico", TinyIcon()); }
};

TEST_F(IconsTest, AChosenIconShowsAtOnceAndMarksTheConfigurationChanged) {
  backend.queueFile("C:\\Icons\\good.ico");
  form.Button2.userClick();
  EXPECT_EQ(form.IconOff.picture(), ui::Picture::fromIconFile("C:\\Icons\\good.ico"));
  EXPECT_EQ(form.IconOn.picture(), defaultOn.picture());
  EXPECT_EQ(config.Alternate_Off_Icon, "C:\\Icons\\good.ico");
  EXPECT_EQ(config.Alternate_On_Icon, "");
  EXPECT_EQ(trayRefreshes, 1);
  EXPECT_TRUE(form.ConfigDirty);
  EXPECT_EQ(backend.log().back(), "file dialog \"Select Icon to use in system trau\" -> C:\\Icons\\good.ico");
}

TEST_F(IconsTest, ACancelledPictureDialogChangesNothing) {
  backend.queueFile(std::nullopt);
  form.Button1.userClick();
  EXPECT_EQ(form.IconOn.picture(), defaultOn.picture());
  EXPECT_FALSE(form.ConfigDirty);
  EXPECT_EQ(trayRefreshes, 0);
}

TEST_F(IconsTest, AFileThatIsNoIconIsReportedAndNeverReachesTheDocument) {
  backend.queueFile("C:\\Icons\\good.ico");
  form.ChangeOnIcon();
  form.ConfigDirty = false;
  files.Put("C:\\Icons\\text.ico", "not an icon");
  for (const char* bad : {"C:\\Icons\\text.ico", "C:\\Icons\\vanished.ico"}) {
    backend.queueFile(bad);
    try {
      form.ChangeOnIcon();
      ADD_FAILURE() << bad << " was taken";
    } catch (const AppError& error) {
      EXPECT_EQ(error.what(), std::string("Unable to load icon from ") + bad);
    }
    EXPECT_EQ(config.Alternate_On_Icon, "C:\\Icons\\good.ico") << bad;
    EXPECT_EQ(form.IconOn.picture(), ui::Picture::fromIconFile("C:\\Icons\\good.ico")) << bad;
    EXPECT_FALSE(form.ConfigDirty) << bad;
  }
  EXPECT_EQ(trayRefreshes, 1);
}

TEST_F(IconsTest, AConfigurationWithADamagedIconStillLoadsAndKeepsThePath) {
  files.Put("C:\\Icons\\damaged.ico", TinyIcon().substr(0, 30));
  files.Put("C:\\c.qmf",
            "[Icons]\r\nAlternate_On_Icon=C:\\Icons\\damaged.ico\r\nAlternate_Off_Icon=C:\\Icons\\good.ico\r\n"
            "On_Tooltip=Still here\r\n[Configuration]\r\nMessage_Delay=33\r\n");
  ASSERT_TRUE(form.LoadConfigFile("C:\\c.qmf"));
  EXPECT_EQ(form.IconOn.picture(), defaultOn.picture());
  EXPECT_EQ(form.IconOff.picture(), ui::Picture::fromIconFile("C:\\Icons\\good.ico"));
  EXPECT_EQ(form.OnTooltip.text(), "Still here");
  EXPECT_EQ(form.TrackBar1.position(), 33);
  EXPECT_EQ(config.Alternate_On_Icon, "C:\\Icons\\damaged.ico") << "the file may come back";
  EXPECT_FALSE(form.ConfigDirty);
}

TEST_F(IconsTest, ResetIconsReturnsBothToTheBuiltInOnes) {
  backend.queueFile("C:\\Icons\\good.ico");
  backend.queueFile("C:\\Icons\\good.ico");
  form.ChangeOnIcon();
  form.ChangeOffIcon();
  form.ConfigDirty = false;
  form.Button3.userClick();
  EXPECT_EQ(form.IconOn.picture(), defaultOn.picture());
  EXPECT_EQ(form.IconOff.picture(), defaultOff.picture());
  EXPECT_EQ(config.Alternate_On_Icon, "");
  EXPECT_EQ(config.Alternate_Off_Icon, "");
  EXPECT_TRUE(form.ConfigDirty);
  EXPECT_EQ(trayRefreshes, 3);
}

TEST_F(IconsTest, TheTrayFollowsEveryKeystrokeOfATooltipUpToSixtyCharacters) {
  std::string typed;
  for (const char c : std::string("Busy")) {
    typed += c;
    form.OnTooltip.userSetText(typed);
  }
  EXPECT_EQ(trayRefreshes, 4);
  EXPECT_TRUE(form.ConfigDirty);
  const std::string sixty(60, 'x');
  form.OffTooltip.userSetText(sixty);
  form.OffTooltip.userSetText(sixty + "y");
  EXPECT_EQ(form.OffTooltip.text(), sixty) << "the 61st character is refused";
  EXPECT_EQ(trayRefreshes, 5) << "a refused character changes nothing";
}

}  // namespace
}  // namespace qm::test
