#include "ui/options/option_form.h"

namespace qm {

namespace {

// Start-with-Windows entries are kept in lower case, so names that differ
// only in letter case name the same entry.
std::string LowerCaseAscii(std::string text) {
  for (char& c : text) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  }
  return text;
}

}  // namespace

std::string FileNamePart(const std::string& path) {
  const std::size_t cut = path.find_last_of("\\/:");
  return cut == std::string::npos ? path : path.substr(cut + 1);
}

std::string FolderPart(const std::string& path) {
  const std::size_t cut = path.find_last_of("\\/:");
  return cut == std::string::npos ? std::string() : path.substr(0, cut + 1);
}

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
  TrackBar1.setRange(1, 700);
  TrackBar1.setFrequency(25);
  TrackBar1.setPosition(150);
  IconOn.setStretch(true);
  IconOff.setStretch(true);
  Image3.setStretch(true);
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
  UpdateTitle();
}

void TOptionForm1::BuildMenus() {
  for (ui::MenuItem* item : {&NewConfigurationFile1, &OpenConfigurationFile1, &SaveConfigurationFile1,
                             &SaveConfigurationFileAs1, &N1, &RunAutoAdd1, &N2, &CloseandShutdown1}) {
    File1.add(*item);
  }
  for (ui::MenuItem* item : {&RunPrograms1, &TerminatePrograms1, &SetOn1, &SetOff1}) State1.add(*item);
  for (ui::MenuItem* item : {&About1, &GettingStarted1, &TableofContents1}) Help1.add(*item);
  MainMenu1.add(File1);
  MainMenu1.add(State1);
  MainMenu1.add(Help1);
  setMenu(&MainMenu1);
}

void TOptionForm1::Layout() {
  setSize(kDesignWidth, kDesignHeight);
  Image3.setBounds(0, 4, 45, 527);
  RadioGroup1.setBounds(47, -1, 125, 67);
  CheckBox1.setBounds(54, 14, 112, 17);
  CheckBox5.setBounds(54, 30, 113, 17);
  CheckBox2.setBounds(54, 46, 116, 17);
  StartLocation.setBounds(47, 66, 125, 56);
  ClickAction.setBounds(174, -1, 121, 67);
  StartState.setBounds(174, 66, 121, 56);
  GroupBox2.setBounds(298, -1, 327, 124);
  for (ui::Control* c : std::initializer_list<ui::Control*>{&IconOn, &IconOff, &Button3, &Label8, &OnTooltip,
                                                            &Label9, &OffTooltip}) {
    c->setParent(GroupBox2);
  }
  IconOn.setBounds(8, 20, 32, 32);
  IconOff.setBounds(8, 80, 32, 32);
  Button3.setBounds(45, 58, 87, 17);
  Label8.setBounds(180, 14, 138, 13);
  OnTooltip.setBounds(135, 26, 184, 21);
  Label9.setBounds(180, 73, 138, 13);
  OffTooltip.setBounds(135, 86, 184, 21);
  Button1.setBounds(343, 23, 87, 25);
  Button2.setBounds(343, 83, 87, 25);
  GroupBox3.setBounds(47, 122, 578, 53);
  for (ui::Control* c : std::initializer_list<ui::Control*>{&Label7, &TrackBar1, &CheckBox3, &CheckBox4}) {
    c->setParent(GroupBox3);
  }
  Label7.setBounds(17, 21, 86, 13);
  TrackBar1.setBounds(105, 16, 312, 25);
  CheckBox3.setBounds(436, 11, 133, 17);
  CheckBox4.setBounds(436, 29, 113, 17);
  GroupBox1.setBounds(47, 176, 578, 355);
  for (ui::Control* c : std::initializer_list<ui::Control*>{&Label1, &Label4, &CheckListBox1, &Label2, &Label5,
                                                            &Button4, &CheckListBox2}) {
    c->setParent(GroupBox1);
  }
  Label1.setBounds(8, 24, 300, 13);
  Label4.setBounds(8, 40, 196, 13);
  CheckListBox1.setBounds(8, 56, 561, 122);
  Label2.setBounds(8, 192, 341, 13);
  Label5.setBounds(8, 208, 196, 13);
  Button4.setBounds(494, 197, 75, 25);
  CheckListBox2.setBounds(9, 223, 561, 122);
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
  NewConfigurationFile1.onClick = [this] { NewConfig(); };
  OpenConfigurationFile1.onClick = [this] { LoadConfig(); };
  SaveConfigurationFile1.onClick = [this] { SaveConfig(); };
  SaveConfigurationFileAs1.onClick = [this] { SaveConfigAs(); };
  CloseandShutdown1.onClick = call(hooks.Shutdown);
  RunPrograms1.onClick = call(hooks.RunNow);
  TerminatePrograms1.onClick = call(hooks.TerminateNow);
  SetOn1.onClick = call(hooks.SetStateOn);
  SetOff1.onClick = call(hooks.SetStateOff);
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

void TOptionForm1::SetDefaultIcons(const ui::Image& on, const ui::Image& off) {
  defaultOn_ = &on;
  defaultOff_ = &off;
  if (IconOn.picture().empty()) IconOn.setPicture(on.picture());
  if (IconOff.picture().empty()) IconOff.setPicture(off.picture());
}

void TOptionForm1::RefreshTray() {
  if (hooks.RefreshTrayIcon) hooks.RefreshTrayIcon();
}

void TOptionForm1::UpdateTitle() {
  setCaption(CurrentConfigFile.empty() ? std::string("Quellmarch") : "Quellmarch - " + FileNamePart(CurrentConfigFile));
}

ui::Picture TOptionForm1::IconPicture(const std::string& path, bool on) {
  if (!path.empty() && files_.FileExists(path)) return ui::Picture::fromFile(path);
  const ui::Image* builtIn = on ? defaultOn_ : defaultOff_;
  return builtIn != nullptr ? builtIn->picture() : ui::Picture{};
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
}

void TOptionForm1::TooltipChanges() {
  RefreshTray();
  SetDirty();
}

void TOptionForm1::ChangeIcon(bool on) {
  if (!OpenPictureDialog1.execute()) return;
  const std::string path = OpenPictureDialog1.fileName;
  (on ? IconOn : IconOff).setPicture(ui::Picture::fromFile(path));
  (on ? config_->Alternate_On_Icon : config_->Alternate_Off_Icon) = path;
  RefreshTray();
  SetDirty();
}

void TOptionForm1::ResetIcons() {
  config_->Alternate_On_Icon.clear();
  config_->Alternate_Off_Icon.clear();
  IconOn.setPicture(IconPicture({}, true));
  IconOff.setPicture(IconPicture({}, false));
  RefreshTray();
  SetDirty();
}

void TOptionForm1::ResizeIt() {
  const int w = width();
  const int h = height();
  GroupBox2.setWidth(w - 306);
  Label8.setLeft(w - 453);
  Label9.setLeft(w - 453);
  OnTooltip.setWidth(w - 449);
  OffTooltip.setWidth(w - 449);
  GroupBox3.setWidth(w - 55);
  TrackBar1.setWidth(w - 321);
  CheckBox3.setLeft(w - 197);
  CheckBox4.setLeft(w - 197);
  GroupBox1.setWidth(w - 55);
  GroupBox1.setHeight(h - 223);
  const int listHeight = (h - 334) / 2;
  CheckListBox1.setWidth(w - 72);
  CheckListBox1.setHeight(listHeight);
  CheckListBox2.setWidth(w - 72);
  CheckListBox2.setTop(CheckListBox1.top() + listHeight + 45);
  CheckListBox2.setHeight(listHeight);
  Button4.setLeft(w - 139);
  Button4.setTop(CheckListBox2.top() - 26);
  Label2.setTop(CheckListBox2.top() - 31);
  Label5.setTop(CheckListBox2.top() - 15);
  Image3.setHeight(h - 51);
}

bool TOptionForm1::LoadConfigFile(const std::string& fileName) {
  if (!config_->LoadFromFile(fileName)) return false;
  ConfigToWindow();
  ConfigDirty = false;
  return true;
}

bool TOptionForm1::SaveConfigFile(const std::string& fileName) {
  WindowToConfig();
  if (!config_->SaveToFile(fileName)) return false;
  ConfigDirty = false;
  if (CheckBox1.checked()) {
    if (hooks.AddRunEntry) hooks.AddRunEntry(fileName);
  } else if (hooks.RemoveRunEntry) {
    hooks.RemoveRunEntry(fileName);
  }
  return true;
}

bool TOptionForm1::AskSaveChanges() {
  if (!ConfigDirty) return true;
  if (programs_.Count() == 0 && processes_.Count() == 0) {
    ConfigDirty = false;
    return true;
  }
  PreShow();
  show();
  switch (saveChanges_.showModal()) {
    case ui::ModalResult::Yes:
      SaveConfig();
      return !ConfigDirty;
    case ui::ModalResult::No:
      return true;
    default:
      return false;
  }
}

void TOptionForm1::NewConfig() {
  if (!AskSaveChanges()) return;
  CurrentConfigFile.clear();
  config_->Reset();
  ConfigDirty = false;
  ConfigToWindow();
}

void TOptionForm1::LoadConfig() {
  if (!AskSaveChanges()) return;
  if (!CurrentConfigFile.empty()) OpenDialog1.initialDir = FolderPart(CurrentConfigFile);
  if (!OpenDialog1.execute()) return;
  CurrentConfigFile = OpenDialog1.fileName;
  LoadConfigFile(CurrentConfigFile);
}

void TOptionForm1::SaveConfig() {
  if (CurrentConfigFile.empty()) {
    SaveConfigAs();
    return;
  }
  ConfigDirty = !SaveConfigFile(CurrentConfigFile);
}

void TOptionForm1::SaveConfigAs() {
  SaveDialog1.fileName = FileNamePart(CurrentConfigFile);
  SaveDialog1.initialDir = FolderPart(CurrentConfigFile);
  std::string chosen;
  for (;;) {
    if (!SaveDialog1.execute()) return;
    chosen = SaveDialog1.fileName;
    if (!files_.FileExists(chosen) || overWrite_.showModal() == ui::ModalResult::Ok) break;
  }
  const bool ok = SaveConfigFile(chosen);
  ConfigDirty = !ok;
  if (ok) {
    if (LowerCaseAscii(chosen) != LowerCaseAscii(CurrentConfigFile) && !CurrentConfigFile.empty() &&
        hooks.RemoveRunEntry) {
      hooks.RemoveRunEntry(CurrentConfigFile);
    }
    CurrentConfigFile = chosen;
  }
  UpdateTitle();
}

}  // namespace qm
