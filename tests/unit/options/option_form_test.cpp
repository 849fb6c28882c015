#include "options_fixture.h"

namespace qm::test {
namespace {

// Settings that sit side by side in the window hold different values, so a
// control wired to its neighbour's setting shows.
constexpr char kGames[] =
    "[Startup_Options]\r\nStart_with_windows=0\r\nQuit_after_activate=1\r\nActivate_onLaunch=0\r\nStart_Location=1\r\n"
    "Start_State=0\r\nHide_Splashscreen=1\r\n[Configuration]\r\nDoubleClick_Action=2\r\nHide_errors=0\r\n"
    "Message_Delay=400\r\n[Icons]\r\nAlternate_On_Icon=C:\\Icons\\on.ico\r\nAlternate_Off_Icon=C:\\Icons\\gone.ico\r\n"
    "On_Tooltip=Busy\r\nOff_Tooltip=Idle\r\n[Run_Programs]\r\n0=1 C:\\A.exe\r\n[Terminate_Processes]\r\n0=0 *\\b.exe\r\n";

TEST_F(OptionsTest, EverySettingGoesIntoItsOwnControlAndBackIntoTheDocument) {
  files.Put("C:\\Configs\\Games.qmf", kGames);
  files.Put("C:\\Icons\\on.ico", TinyIcon());
  ASSERT_TRUE(form.LoadConfigFile("C:\\Configs\\Games.qmf"));
  EXPECT_FALSE(form.CheckBox1.checked());
  EXPECT_TRUE(form.CheckBox2.checked()) << "Quit after activating";
  EXPECT_FALSE(form.CheckBox5.checked()) << "Activate on launch";
  EXPECT_EQ(form.StartLocation.itemIndex(), 1);
  EXPECT_EQ(form.StartState.itemIndex(), 0);
  EXPECT_EQ(form.ClickAction.itemIndex(), 2);
  EXPECT_TRUE(form.CheckBox4.checked()) << "Hide Splashscreen";
  EXPECT_FALSE(form.CheckBox3.checked()) << "Hide Termination Errors";
  EXPECT_EQ(form.TrackBar1.position(), 400);
  EXPECT_EQ(form.OnTooltip.text(), "Busy");
  EXPECT_EQ(form.OffTooltip.text(), "Idle");
  EXPECT_EQ(form.IconOn.picture(), ui::Picture::fromIconFile("C:\\Icons\\on.ico"));
  EXPECT_EQ(form.IconOff.picture(), defaultOff.picture()) << "a vanished icon file shows the built-in icon";
  EXPECT_EQ(form.CheckListBox1.count(), 1);
  EXPECT_TRUE(form.CheckListBox1.checked(0));
  EXPECT_FALSE(form.ConfigDirty);
  EXPECT_EQ(trayRefreshes, 1);

  // Back from the controls into a document that holds other values: the
  // icon paths are the icon commands' business and stay.
  TConfigData other{form.ProgramEntries(), form.ProcessEntries(), store};
  form.BindDocument(other);
  other.Alternate_Off_Icon = "kept";
  other.Activate_onLaunch = other.Hide_errors = true;
  other.Start_State = 1;
  form.WindowToConfig();
  EXPECT_FALSE(other.Start_with_windows);
  EXPECT_TRUE(other.Quit_after_activate);
  EXPECT_FALSE(other.Activate_onLaunch);
  EXPECT_EQ(other.Start_Location, 1);
  EXPECT_EQ(other.Start_State, 0);
  EXPECT_EQ(other.DoubleClick_Action, 2);
  EXPECT_TRUE(other.Hide_Splashscreen);
  EXPECT_FALSE(other.Hide_errors);
  EXPECT_EQ(other.Message_Delay, 400);
  EXPECT_EQ(other.On_Tooltip, "Busy");
  EXPECT_EQ(other.Off_Tooltip, "Idle");
  EXPECT_EQ(other.Alternate_Off_Icon, "kept");
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
  EXPECT_TRUE(marks([&] { form.StartState.userSelect(1); }));
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
