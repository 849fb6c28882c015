#include "ui/options/option_form.h"

#include "ui/pictures.h"

namespace qm {

TOptionForm1::TOptionForm1(Files& files, TFormSaveChanges& saveChanges, TOverWrite& overWrite)
    : Form("OptionForm1"), files_(files), saveChanges_(saveChanges), overWrite_(overWrite) {
  setBorderIcons({true, false, true});
  setPosition(ui::FormPosition::ScreenCenter);
  setMinimumSize(590, 418);
  BuildMenus();
  Layout();

  CheckBox1.setChecked(true);
  CheckBox1.setHint("If checked, this configuration file will automatically be processed when windows starts.");
  StartLocation.setItems({"Start in Tray", "Start in BrowseKill"});
  StartLocation.setItemIndex(0);
  StartState.setItems({"Start in On state", "Start in Off state"});
  StartState.setItemIndex(0);
  ClickAction.setItems({"DblClick = Toggle", "DblClick = Browse", "DblClick = Options"});
  ClickAction.setItemIndex(0);
  TrackBar1.setRange(kMinMessageDelay, kMaxMessageDelay);
  TrackBar1.setFrequency(25);
  TrackBar1.setPosition(150);
  IconOn.setStretch(true);
  IconOff.setStretch(true);
  Image3.setStretch(true);
  Image3.setPicture(pictures::OptionsStrip());
  OnTooltip.setMaxLength(60);
  OffTooltip.setMaxLength(60);
  OnTooltip.setText(std::string(kDefaultOnTooltip));
  OffTooltip.setText(std::string(kDefaultOffTooltip));
  Button1.setHint("Click to change the icon used for this configuration file in the On state.");
  Button2.setHint("Click to change the icon used for this configuration file in the Off state");
  for (ui::CheckListBox* list : {&CheckListBox1, &CheckListBox2}) {
    list->setFont(ui::Font::fixed());
    list->setItemHeight(15);
  }
  ui::Font bold = ui::Font::standard();
  bold.bold = true;
  Label1.setFont(bold);
  Label2.setFont(bold);

  OpenPictureDialog1.title = "Select Icon to use in system trau";
  OpenPictureDialog1.filter = "Icons (*.ico)|*.ico";
  OpenPictureDialog1.options.fileMustExist = true;
  OpenDialog1.title = "Load Quellmarch Configuration File";
  OpenDialog1.filter = "Quellmarch Configuration File (*.qmf)|*.qmf";
  OpenDialog1.options.fileMustExist = true;
  OpenDialog1.options.hideReadOnly = true;
  SaveDialog1.title = "Save As...";
  SaveDialog1.filter = "Quellmarch Configuration  File (*.qmf)|*.qmf";
  SaveDialog1.defaultExt = "qmf";
  BindEvents();
  BindListEditing();
  UpdateTitle();
}

void TOptionForm1::BuildMenus() {
  for (ui::MenuItem* item : {&NewConfigurationFile1, &OpenConfigurationFile1, &SaveConfigurationFile1,
                             &SaveConfigurationFileAs1, &N1, &RunAutoAdd1, &N2, &CloseandShutdown1}) {
    File1.add(*item);
  }
  for (ui::MenuItem* item : {&RunPrograms1, &TerminatePrograms1, &SetOn1, &SetOff1, &N3, &PreviewToggle1}) {
    State1.add(*item);
  }
  for (ui::MenuItem* item : {&About1, &GettingStarted1, &TableofContents1}) Help1.add(*item);
  MainMenu1.add(File1);
  MainMenu1.add(State1);
  MainMenu1.add(Help1);
  setMenu(&MainMenu1);
}

void TOptionForm1::BindEvents() {
  auto dirty = [this] { SetDirty(); };
  for (ui::CheckBox* box : {&CheckBox1, &CheckBox2, &CheckBox3, &CheckBox5}) box->onClick = dirty;
  CheckBox4.onClick = [this] { SetDirtySpecial(); };
  for (ui::RadioGroup* group : {&StartLocation, &StartState, &ClickAction}) group->onClick = dirty;
  TrackBar1.onChange = dirty;
  OnTooltip.onChange = [this] { TooltipChanges(); };
  OffTooltip.onChange = [this] { TooltipChanges(); };
  CheckListBox1.onClickCheck = [this](int) { SetDirty(); };
  CheckListBox2.onClickCheck = [this](int) { SetDirty(); };
  Button1.onClick = [this] { ChangeOnIcon(); };
  Button2.onClick = [this] { ChangeOffIcon(); };
  Button3.onClick = [this] { ResetIcons(); };
  auto call = [](const std::function<void()>& hook) {
    return [&hook] {
      if (hook) hook();
    };
  };
  Button4.onClick = call(hooks.BrowseKillNow);
  RunAutoAdd1.onClick = call(hooks.AutoAdd);
  NewConfigurationFile1.onClick = [this] { NewConfig(); };
  OpenConfigurationFile1.onClick = [this] { LoadConfig(); };
  SaveConfigurationFile1.onClick = [this] { SaveConfig(); };
  SaveConfigurationFileAs1.onClick = [this] { SaveConfigAs(); };
  CloseandShutdown1.onClick = call(hooks.Shutdown);
  RunPrograms1.onClick = call(hooks.RunNow);
  TerminatePrograms1.onClick = call(hooks.TerminateNow);
  SetOn1.onClick = call(hooks.SetStateOn);
  SetOff1.onClick = call(hooks.SetStateOff);
  PreviewToggle1.onClick = call(hooks.PreviewToggle);
  About1.onClick = call(hooks.ShowAboutBox);
  GettingStarted1.onClick = call(hooks.HelpGettingStarted);
  TableofContents1.onClick = call(hooks.HelpMe);
  onResize = [this] { ResizeIt(); };
  // The title-bar close button only hides the window: the instance, its
  // configuration and its tray icon stay.
  onClose = [this](ui::CloseAction& action) {
    action = ui::CloseAction::None;
    hide();
  };
}

void TOptionForm1::UpdateTitle() {
  setCaption(CurrentConfigFile.empty() ? std::string("Quellmarch") : "Quellmarch - " + FileNamePart(CurrentConfigFile));
}

void TOptionForm1::ConfigToWindow() {
  const TConfigData& c = *config_;
  CheckBox1.setChecked(c.Start_with_windows);
  CheckBox2.setChecked(c.Quit_after_activate);
  CheckBox5.setChecked(c.Activate_onLaunch);
  StartLocation.setItemIndex(c.Start_Location);
  StartState.setItemIndex(c.Start_State);
  ClickAction.setItemIndex(c.DoubleClick_Action);
  CheckBox4.setChecked(c.Hide_Splashscreen);
  CheckBox3.setChecked(c.Hide_errors);
  TrackBar1.setPosition(c.Message_Delay);
  IconOn.setPicture(IconPicture(c.Alternate_On_Icon, true));
  IconOff.setPicture(IconPicture(c.Alternate_Off_Icon, false));
  OnTooltip.setText(c.On_Tooltip);
  OffTooltip.setText(c.Off_Tooltip);
  if (hooks.SetBrowseKillDefaultChecks) hooks.SetBrowseKillDefaultChecks(c.BrowseKill_DefaultChecks);
  RefreshTray();
  UpdateTitle();
  PreShow();
}

void TOptionForm1::WindowToConfig() {
  TConfigData& c = *config_;
  c.Start_with_windows = CheckBox1.checked();
  c.Quit_after_activate = CheckBox2.checked();
  c.Activate_onLaunch = CheckBox5.checked();
  c.Start_Location = StartLocation.itemIndex();
  c.Start_State = StartState.itemIndex();
  c.DoubleClick_Action = ClickAction.itemIndex();
  c.Hide_Splashscreen = CheckBox4.checked();
  c.On_Tooltip = OnTooltip.text();
  c.Off_Tooltip = OffTooltip.text();
  c.Hide_errors = CheckBox3.checked();
  c.Message_Delay = TrackBar1.position();
  if (hooks.BrowseKillDefaultChecks) c.BrowseKill_DefaultChecks = hooks.BrowseKillDefaultChecks();
}

}  // namespace qm
