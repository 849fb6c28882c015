#pragma once

#include <functional>
#include <memory>
#include <string>

#include "app/files_text_store.h"
#include "app/global_settings.h"
#include "app/help_requests.h"
#include "app/run_entries.h"
#include "app/tray_controller.h"
#include "app/tray_icon_source.h"
#include "config/config_data.h"
#include "engine/engine.h"
#include "platform/platform.h"
#include "ui/dialogs/process_entry.h"
#include "ui/dialogs/process_picker.h"
#include "ui/dialogs/program_entry.h"
#include "ui/messages/about_form.h"
#include "ui/messages/attention.h"
#include "ui/messages/auto_advert.h"
#include "ui/messages/empty_boxes.h"
#include "ui/messages/first_select.h"
#include "ui/messages/first_use_hints.h"
#include "ui/messages/information.h"
#include "ui/messages/notfound.h"
#include "ui/messages/preregistry.h"
#include "ui/messages/splasher.h"
#include "ui/messages/terminating_status.h"
#include "ui/messages/welcome.h"
#include "ui/browsekill/browsekill_form.h"
#include "ui/options/auto_add_forms.h"
#include "ui/options/option_form.h"
#include "ui/options/preview_form.h"
#include "ui/toolkit/toolkit.h"

namespace qm {

inline constexpr char kConfigExtension[] = "qmf";
inline constexpr char kConfigSubfolder[] = "ConfigurationFiles\\";

// What the entry point hands the instance: the machine, the screen and the
// few native details the portable code cannot know.
struct AppEnvironment {
  Platform platform;
  ui::Backend& backend;
  TrayIconSource& icons;
  // The whole command line, program name included.
  std::string commandLine;
  // The program file's full path as the system reports it.
  std::string exeName;
  std::function<WindowHandle(const ui::Form&)> windowHandle;
  std::function<ScreenPoint(const ui::Form&, ScreenPoint)> screenToClient;
  // The system's double-click interval in milliseconds.
  std::function<int()> doubleClickTime;
  // Called once the tray window exists, before its icon is placed, so the
  // entry point can route the tray's callback message to it.
  std::function<void(TFormMain&)> trayWindowCreated;
};

// One running instance: every window, the document, the engine and the
// start-up sequence that ties them together.
class Instance {
 public:
  explicit Instance(AppEnvironment env);
  Instance(const Instance&) = delete;
  Instance& operator=(const Instance&) = delete;
  ~Instance();

  // Everything before the message loop. False when the instance ends early
  // (the argument was not found and the user chose to exit); the tray icon
  // is then gone and nothing was written.
  bool Start();
  // Start, the message loop, and the exit code.
  int Run();

 private:
  void WireWindows();

 public:

  bool HandleMissingConfig(std::string& name);
  void ApplyStartupOptions();
  void SaveSettings();
  // BrowseKill's rebuild-and-terminate for "Activate on launch" with "Start
  // in BrowseKill"; the BrowseKill window provides it.
  std::function<void()> BrowseKillTerminateChecked;

  AppEnvironment env;
  ui::Application app;
  TTerminatingStatus status;
  TFormSaveChanges saveChanges;
  TOverWrite overWrite;
  // The entry dialogs refer to the picker, made after the first of them.
  TProgramEntry programEntry;
  TOptionForm1 options;
  // Owns the process snapshot the engine works on.
  TFormProc formProc;
  TFormMain formMain;
  TProcessEntry processEntry;
  TFirstSelect firstSelect;
  TEmptyBoxes emptyBoxes;
  Tnotfound notfound;
  Tattention attention;
  Tpreregistry preregistry;
  TSplasher splash;
  TInformation information;
  TAboutForm about;
  TWelcome welcome;
  TAutoAdvertForm autoAdvert;
  TAutoAddForm autoAddForm;
  TAfterAddForm afterAddForm;
  TBrowseKill browseKill;
  TFirstProgram firstProgram;
  Tfirstprocess firstprocess;
  TPreviewForm preview;

  GlobalSettings settings;
  RunEntries runEntries;
  std::string ExeDir;
  bool LastFileAutoLoaded = false;

  HelpRequests help;
  FilesTextStore store;
  std::unique_ptr<TConfigData> config;
  std::unique_ptr<Engine> engine;
};

// The directory part of a path, with its trailing backslash.
std::string DirectoryOf(const std::string& path);

// Runs the program; the exit code is always 0.
int RunQuellmarch(AppEnvironment env);

}  // namespace qm
