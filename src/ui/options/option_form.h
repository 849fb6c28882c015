// The Options window: the configuration editor of the instance, and the live
// holder of its configuration. Its check lists are the document's entry
// lists, and the tray reads its icons, tooltips and several boxes directly.
#pragma once

#include <functional>
#include <optional>
#include <string>

#include "config/config_data.h"
#include "platform/files.h"
#include "ui/check_lists/check_list_entries.h"
#include "ui/options/entry_editing.h"
#include "ui/options/save_questions.h"
#include "ui/toolkit/toolkit.h"

namespace qm {

// What the window asks of the rest of the program. Unset hooks do nothing
// (the run-entry hooks then report success).
struct OptionsHooks {
  std::function<void()> RefreshTrayIcon;
  std::function<void()> RunNow;
  std::function<void()> TerminateNow;
  std::function<void()> SetStateOn;
  std::function<void()> SetStateOff;
  // The preview of the next toggle, and of one process entry alone.
  std::function<void()> PreviewToggle;
  std::function<void(const std::string&)> ShowMatches;
  std::function<void()> Shutdown;
  std::function<void()> BrowseKillNow;
  std::function<void()> AutoAdd;
  std::function<void()> ShowAboutBox;
  std::function<void()> HelpMe;
  std::function<void()> HelpGettingStarted;
  std::function<bool(const std::string&)> AddRunEntry;
  std::function<bool(const std::string&)> RemoveRunEntry;
  // BrowseKill's "Mark unspecified programs by default": a setting of the
  // configuration whose box lives in the BrowseKill window.
  std::function<bool()> BrowseKillDefaultChecks;
  std::function<void(bool)> SetBrowseKillDefaultChecks;
};

class TOptionForm1 : public ui::Form {
 public:
  static constexpr int kDesignWidth = 633;
  static constexpr int kDesignHeight = 578;

  TOptionForm1(Files& files, TFormSaveChanges& saveChanges, TOverWrite& overWrite);

  // The document works on this window's lists; bind it before any file command.
  void BindDocument(TConfigData& config) { config_ = &config; }
  EntryList& ProgramEntries() { return programs_; }
  EntryList& ProcessEntries() { return processes_; }
  // The tray window's built-in pictures, which reset icons copy.
  void SetDefaultIcons(const ui::Image& on, const ui::Image& off);

  OptionsHooks hooks;
  std::string CurrentConfigFile;
  bool ConfigDirty = false;

  void PreShow() { UpdateTitle(); }
  void UpdateTitle();
  void ConfigToWindow();
  void WindowToConfig();

  bool LoadConfigFile(const std::string& fileName);
  bool SaveConfigFile(const std::string& fileName);
  bool AskSaveChanges();
  void NewConfig();
  void LoadConfig();
  void SaveConfig();
  void SaveConfigAs();

  void SetDirty() { ConfigDirty = true; }
  void SetDirtySpecial() { SetDirty(); }
  void TooltipChanges();
  void ChangeOnIcon() { ChangeIcon(true); }
  void ChangeOffIcon() { ChangeIcon(false); }
  void ResetIcons();
  void ResizeIt();

  // Editing the two lists by hand (entry_editing.cpp). The instance binds
  // the dialogs and services they use once they exist.
  void BindEntryEditing(const EntryEditingParts& parts) { editing_ = parts; }
  void AddProgramEntry();
  void EditProgramEntry();
  void DeleteProgramEntry();
  void DoProgramEntry();
  void AddProcessEntry();
  void EditProcessEntry();
  void DeleteProcessEntry();
  void DoProcessEntry();
  void ShowProcessMatches();
  void RightDown1(ui::MouseButton button, int x, int y);
  void RightDown2(ui::MouseButton button, int x, int y);
  void ShowProgramEntryDialog(int index);
  void ShowProcessEntryDialog(int index);
  void AddCompanionProgramEntry(const std::string& processString);

  ui::Image Image3{*this, "Image3"};
  // These lie over the frames "Startup Behavior" and "Appearance" without
  // belonging to them. Controls made earlier stay above those made later, so
  // they come before the frames: otherwise the frames would take their
  // clicks.
  ui::CheckBox CheckBox1{*this, "CheckBox1", "Start with Windows"};
  ui::CheckBox CheckBox5{*this, "CheckBox5", "Activate on launch"};
  ui::CheckBox CheckBox2{*this, "CheckBox2", "Quit after activating"};
  ui::Button Button1{*this, "Button1", "Change Icon"};
  ui::Button Button2{*this, "Button2", "Change Icon"};
  ui::RadioGroup RadioGroup1{*this, "RadioGroup1", "Startup Behavior"};
  ui::RadioGroup StartLocation{*this, "StartLocation", "Start Location"};
  ui::RadioGroup ClickAction{*this, "ClickAction", "Double Click Action"};
  ui::RadioGroup StartState{*this, "StartState", "Start State"};
  ui::GroupBox GroupBox2{*this, "GroupBox2", "Appearance"};
  ui::Image IconOn{*this, "IconOn"};
  ui::Image IconOff{*this, "IconOff"};
  ui::Button Button3{*this, "Button3", "RESET ICONS"};
  ui::Label Label8{*this, "Label8", "On-State System Tray Tooltip"};
  ui::Edit OnTooltip{*this, "OnTooltip"};
  ui::Label Label9{*this, "Label9", "Off-State System Tray Tooltip"};
  ui::Edit OffTooltip{*this, "OffTooltip"};
  ui::GroupBox GroupBox3{*this, "GroupBox3", "Messages"};
  ui::Label Label7{*this, "Label7", "Message Duration"};
  ui::TrackBar TrackBar1{*this, "TrackBar1"};
  ui::CheckBox CheckBox3{*this, "CheckBox3", "Hide Termination Errors"};
  ui::CheckBox CheckBox4{*this, "CheckBox4", "Hide Splashscreen"};
  ui::GroupBox GroupBox1{*this, "GroupBox1", "Programs and Processes to Toggle"};
  ui::Label Label1{*this, "Label1", "Programs to run when toggle is changed to On state:"};
  ui::Label Label4{*this, "Label4", "Right click in box to add or modify entries."};
  ui::CheckListBox CheckListBox1{*this, "CheckListBox1"};
  ui::Label Label2{*this, "Label2", "Processes to terminate when toggle is changed to Off state."};
  ui::Label Label5{*this, "Label5", "Right click in box to add or modify entries."};
  ui::Button Button4{*this, "Button4", "BrowseKill"};
  ui::CheckListBox CheckListBox2{*this, "CheckListBox2"};

  ui::MainMenu MainMenu1{*this, "MainMenu1"};
  ui::MenuItem File1{*this, "File1", "File"};
  ui::MenuItem NewConfigurationFile1{*this, "NewConfigurationFile1", "&New Configuration File"};
  ui::MenuItem OpenConfigurationFile1{*this, "OpenConfigurationFile1", "&Open Configuration File"};
  ui::MenuItem SaveConfigurationFile1{*this, "SaveConfigurationFile1", "&Save Configuration File"};
  ui::MenuItem SaveConfigurationFileAs1{*this, "SaveConfigurationFileAs1", "Save Configuration File &As..."};
  ui::MenuItem N1{*this, "N1", "-"};
  ui::MenuItem RunAutoAdd1{*this, "RunAutoAdd1", "&Run AutoAdd"};
  ui::MenuItem N2{*this, "N2", "-"};
  ui::MenuItem CloseandShutdown1{*this, "CloseandShutdown1", "&Close and Shutdown Quellmarch"};
  ui::MenuItem State1{*this, "State1", "State"};
  ui::MenuItem RunPrograms1{*this, "RunPrograms1", "&Run programs and switch to On state"};
  ui::MenuItem TerminatePrograms1{*this, "TerminatePrograms1", "&Terminate programs and switch to Off state"};
  ui::MenuItem SetOn1{*this, "SetOn1", "Set to &On state -  without running programs"};
  ui::MenuItem SetOff1{*this, "SetOff1", "Set to O&ff state - without terminating processes"};
  ui::MenuItem N3{*this, "N3", "-"};
  ui::MenuItem PreviewToggle1{*this, "PreviewToggle1", "&Preview the next toggle..."};
  ui::MenuItem Help1{*this, "Help1", "Help"};
  ui::MenuItem About1{*this, "About1", "&About"};
  ui::MenuItem GettingStarted1{*this, "GettingStarted1", "Getting Started"};
  ui::MenuItem TableofContents1{*this, "TableofContents1", "&Table of Contents"};

  ui::PopupMenu PopupMenu1{*this, "PopupMenu1"};
  ui::MenuItem AddProgram1{*this, "AddProgram1", "&Add"};
  ui::MenuItem EditProgram1{*this, "EditProgram1", "&Edit"};
  ui::MenuItem DeleteProgram1{*this, "DeleteProgram1", "&Delete"};
  ui::MenuItem RunNow1{*this, "RunNow1", "&Run Now"};
  ui::PopupMenu PopupMenu2{*this, "PopupMenu2"};
  ui::MenuItem AddProcess1{*this, "AddProcess1", "&Add"};
  ui::MenuItem EditProcess1{*this, "EditProcess1", "&Edit"};
  ui::MenuItem DeleteProcess1{*this, "DeleteProcess1", "&Delete"};
  ui::MenuItem TerminateNow1{*this, "TerminateNow1", "&Terminate Now"};
  ui::MenuItem N4{*this, "N4", "-"};
  ui::MenuItem ShowMatches1{*this, "ShowMatches1", "Show &Matches"};

  ui::OpenPictureDialog OpenPictureDialog1{*this, "OpenPictureDialog1"};
  ui::OpenDialog OpenDialog1{*this, "OpenDialog1"};
  ui::SaveDialog SaveDialog1{*this, "SaveDialog1"};

 private:
  void Layout();
  void BuildMenus();
  void BindEvents();
  void BindListEditing();
  void ChangeIcon(bool on);
  void RefreshTray();
  // The picture of an icon file, or nothing when it cannot be read or is no
  // icon.
  std::optional<ui::Picture> LoadIconFile(const std::string& path);
  // The picture for a configured icon path: the file, or the built-in one
  // when the path is empty or the file cannot be loaded.
  ui::Picture IconPicture(const std::string& path, bool on);

  Files& files_;
  TFormSaveChanges& saveChanges_;
  TOverWrite& overWrite_;
  TConfigData* config_ = nullptr;
  CheckListEntries programs_{CheckListBox1};
  CheckListEntries processes_{CheckListBox2};
  const ui::Image* defaultOn_ = nullptr;
  const ui::Image* defaultOff_ = nullptr;
  EntryEditingParts editing_;
};

// The file-name part of a path: what follows the last '\', '/' or ':'.
std::string FileNamePart(const std::string& path);
// The folder part, with its trailing separator; empty when there is none.
std::string FolderPart(const std::string& path);

}  // namespace qm
