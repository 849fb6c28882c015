#include "options_fixture.h"

namespace qm::test {
namespace {

constexpr char kGames[] =
    "[Startup_Options]\r\nStart_with_windows=0\r\nQuit_after_activate=1\r\nActivate_onLaunch=1\r\nStart_Location=1\r\n"
    "Start_State=1\r\nHide_Splashscreen=1\r\n[Configuration]\r\nDoubleClick_Action=2\r\nHide_errors=1\r\n"
    "Message_Delay=400\r\n[Icons]\r\nAlternate_On_Icon=C:\\Icons\\on.ico\r\nAlternate_Off_Icon=C:\\Icons\\gone.ico\r\n"
    "On_Tooltip=Busy\r\nOff_Tooltip=Idle\r\n[Run_Programs]\r\n0=1 C:\\A.exe\r\n[Terminate_Processes]\r\n0=0 *\\b.exe\r\n";

TEST_F(OptionsTest, LoadingPutsEveryStoredSettingIntoTheControlsCleanly) {
  files.Put("C:\\Configs\\Games.qmf", kGames);
  files.Put("C:\\Icons\\on.ico", TinyIcon());
  ASSERT_TRUE(form.LoadConfigFile("C:\\Configs\\Games.qmf"));
  EXPECT_FALSE(form.CheckBox1.checked());
  EXPECT_TRUE(form.CheckBox2.checked());
  EXPECT_TRUE(form.CheckBox5.checked());
  EXPECT_EQ(form.StartLocation.itemIndex(), 1);
  EXPECT_EQ(form.StartState.itemIndex(), 1);
  EXPECT_EQ(form.ClickAction.itemIndex(), 2);
  EXPECT_TRUE(form.CheckBox3.checked());
  EXPECT_TRUE(form.CheckBox4.checked());
  EXPECT_EQ(form.TrackBar1.position(), 400);
  EXPECT_EQ(form.OnTooltip.text(), "Busy");
  EXPECT_EQ(form.IconOn.picture(), ui::Picture::fromFile("C:\\Icons\\on.ico"));
  EXPECT_EQ(form.IconOff.picture(), defaultOff.picture()) << "a vanished icon file shows the built-in icon";
  EXPECT_EQ(form.CheckListBox1.count(), 1);
  EXPECT_TRUE(form.CheckListBox1.checked(0));
  EXPECT_FALSE(form.ConfigDirty);
  EXPECT_EQ(trayRefreshes, 1);
}

TEST_F(OptionsTest, TheWindowGoesBackIntoTheDocumentWithoutTouchingIconPaths) {
  files.Put("C:\\Configs\\Games.qmf", kGames);
  form.LoadConfigFile("C:\\Configs\\Games.qmf");
  config.Alternate_Off_Icon = "kept";
  form.CheckBox1.setChecked(true);
  form.ClickAction.setItemIndex(0);
  form.TrackBar1.setPosition(25);
  form.OffTooltip.setText("Later");
  form.WindowToConfig();
  EXPECT_TRUE(config.Start_with_windows);
  EXPECT_EQ(config.DoubleClick_Action, 0);
  EXPECT_EQ(config.Message_Delay, 25);
  EXPECT_EQ(config.Off_Tooltip, "Later");
  EXPECT_EQ(config.Alternate_Off_Icon, "kept");
}

TEST_F(OptionsTest, TheTitleNamesTheFileWithoutItsFolder) {
  EXPECT_EQ(form.caption(), "Quellmarch");
  form.CurrentConfigFile = "C:\\Configs\\Games.qmf";
  form.PreShow();
  EXPECT_EQ(form.caption(), "Quellmarch - Games.qmf");
  form.NewConfig();
  EXPECT_EQ(form.caption(), "Quellmarch");
  EXPECT_EQ(form.CurrentConfigFile, "");
}

TEST_F(OptionsTest, EveryControlMarksTheConfigurationChangedButFillingItDoesNot) {
  files.Put("C:\\Configs\\Games.qmf", kGames);
  form.LoadConfigFile("C:\\Configs\\Games.qmf");
  EXPECT_FALSE(form.ConfigDirty) << "filling the controls is no change";
  auto marks = [this](auto&& change) {
    form.ConfigDirty = false;
    change();
    return form.ConfigDirty;
  };
  EXPECT_TRUE(marks([&] { form.CheckBox4.userToggle(); })) << "Hide Splashscreen is an ordinary setting";
  for (ui::CheckBox* box : {&form.CheckBox1, &form.CheckBox2, &form.CheckBox3, &form.CheckBox5}) {
    EXPECT_TRUE(marks([&] { box->userToggle(); })) << box->name();
  }
  EXPECT_TRUE(marks([&] { form.StartLocation.userSelect(0); }));
  EXPECT_TRUE(marks([&] { form.StartState.userSelect(0); }));
  EXPECT_TRUE(marks([&] { form.ClickAction.userSelect(1); }));
  EXPECT_TRUE(marks([&] { form.TrackBar1.userSetPosition(300); }));
  EXPECT_TRUE(marks([&] { form.OnTooltip.userSetText("x"); }));
  EXPECT_TRUE(marks([&] { form.OffTooltip.userSetText("x"); }));
  EXPECT_TRUE(marks([&] { form.CheckListBox1.userToggleCheck(0); }));
  EXPECT_TRUE(marks([&] { form.CheckListBox2.userToggleCheck(0); }));
}

TEST_F(OptionsTest, ResetIconsReturnsToTheBuiltInPictures) {
  files.Put("C:\\Configs\\Games.qmf", kGames);
  files.Put("C:\\Icons\\on.ico", TinyIcon());
  form.LoadConfigFile("C:\\Configs\\Games.qmf");
  form.ResetIcons();
  EXPECT_EQ(form.IconOn.picture(), defaultOn.picture());
  EXPECT_EQ(config.Alternate_On_Icon, "");
  EXPECT_TRUE(form.ConfigDirty);
}

TEST_F(OptionsTest, ClosingWithTheTitleBarOnlyHides) {
  form.show();
  form.close();
  EXPECT_FALSE(form.visible());
  EXPECT_FALSE(backend.quitRequested());
}

}  // namespace
}  // namespace qm::test
