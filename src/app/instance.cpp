#include "app/instance.h"

#include "app/command_line.h"
#include "ui/options/auto_add.h"

#include <algorithm>

namespace qm {

namespace {

constexpr char kSafetyText[] =
    "Quellmarch was invoked with no filename specified, so the last file used was loaded automatically.  However, "
    "this configuration file is set to activate and/or terminate when launched.  For safety, this can only be "
    "performed when Quellmarch is invoked with an explicit filename.  If you intended to have Quellmarch perform "
    "these actions, you need to modify the shortcut to Quellmarch to specify the name of the target configuration "
    "file as a commandline argument.";

TrayServices MakeTrayServices(Instance& i) {
  return TrayServices{
      i.env.platform.tray,
      i.env.icons,
      i.app,
      i.options,
      i.status,
      i.attention,
      i.emptyBoxes,
      [&i] { return i.env.windowHandle ? i.env.windowHandle(i.formMain) : WindowHandle{0}; },
      [&i](ScreenPoint p) { return i.env.screenToClient ? i.env.screenToClient(i.formMain, p) : p; },
      [&i] { i.SaveSettings(); },
      [&i] { return i.LastFileAutoLoaded; },
      [&i] { return i.env.doubleClickTime ? i.env.doubleClickTime() : 500; },
  };
}

// A stored size below the window's minimum (a damaged value) would leave the
// window's lists too small to use; one beyond the screen (stored on a larger
// screen) would put its buttons out of reach. The minimum wins on a screen
// smaller than it.
void RestoreSize(ui::Form& form, WindowSize stored, ui::Size screen) {
  const ui::Size least = form.minimumSize();
  form.setSize(std::max(least.width, std::min(stored.width, screen.width)),
               std::max(least.height, std::min(stored.height, screen.height)));
}

WindowSize SizeToKeep(const ui::Form& form) {
  const ui::Size size = form.restoredSize();
  return {size.width, size.height};
}

}  // namespace

std::string DirectoryOf(const std::string& path) {
  const std::size_t cut = path.find_last_of("\\/:");
  return cut == std::string::npos ? std::string() : path.substr(0, cut + 1);
}

Instance::Instance(AppEnvironment environment)
    : env(std::move(environment)),
      app(env.backend),
      programEntry(formProc),
      options(env.platform.files, saveChanges, overWrite),
      formProc(env.platform.processes, env.platform.windows),
      formMain(MakeTrayServices(*this)),
      processEntry(formProc),
      about(env.platform.files, information, [this] { return ExeDir; }),
      browseKill(formProc.snapshot, options.ProcessEntries()),
      preview(options.ProgramEntries(), options.ProcessEntries()),
      runEntries(env.platform.registry, app, env.exeName,
                 [this] { return preregistry.showModal() == ui::ModalResult::Ok; }),
      help(env.platform.help, [this] { return ExeDir; },
           [this](const ui::Form& form) { return env.windowHandle ? env.windowHandle(form) : WindowHandle{0}; }),
      store(env.platform.files) {}

Instance::~Instance() = default;

void Instance::SaveSettings() {
  settings.OptionWindow = SizeToKeep(options);
  settings.ProcWindow = SizeToKeep(formProc);
  settings.BrowsekillWindow = SizeToKeep(browseKill);
  settings.PreviewWindow = SizeToKeep(preview);
  SaveGlobalSettings(env.platform.registry, app, settings, options.CurrentConfigFile);
}

void Instance::WireWindows() {
  OptionsHooks& h = options.hooks;
  h.RefreshTrayIcon = [this] { formMain.RefreshTrayIcon(); };
  h.RunNow = [this] { formMain.RunNow(); };
  h.TerminateNow = [this] { formMain.TerminateNow(); };
  h.SetStateOn = [this] { formMain.SetStateOn(); };
  h.SetStateOff = [this] { formMain.SetStateOff(); };
  h.PreviewToggle = [this] { preview.ShowToggle(); };
  h.ShowMatches = [this](const std::string& stored) { preview.ShowMatches(stored); };
  preview.hooks.IsOn = [this] { return formMain.IsOn(); };
  preview.hooks.DoubleClickAction = [this] { return options.ClickAction.itemIndex(); };
  preview.hooks.HelpMe = [this] { help.Context(preview, HelpContext::Preview); };
  h.Shutdown = [this] { formMain.Shutdown1Click(); };
  h.AddRunEntry = [this](const std::string& file) { return runEntries.AddRunEntry(file); };
  h.RemoveRunEntry = [this](const std::string& file) { return runEntries.RemoveRunEntry(file); };
  h.HelpMe = [this] { help.DefaultTopic(options); };
  h.HelpGettingStarted = [this] { help.Context(options, HelpContext::GettingStarted); };
  h.ShowAboutBox = [this] { about.UpShow(); };
  about.OpenHelpPage = [this](const std::string& page) { help.Page(about, page); };
  // The tray's Help is the Options window's, owned by it even while it is hidden.
  formMain.HelpMe = [this] { options.hooks.HelpMe(); };
  formMain.AboutClick = [this] { options.hooks.ShowAboutBox(); };
  h.AutoAdd = [this] { AutoAdd(options, formProc.snapshot, autoAddForm, afterAddForm, app); };
  h.BrowseKillNow = [this] { browseKill.ShowAndRefresh(); };
  h.BrowseKillDefaultChecks = [this] { return browseKill.CheckBox1.checked(); };
  h.SetBrowseKillDefaultChecks = [this](bool on) { browseKill.CheckBox1.setChecked(on); };
  formMain.BrowseKillNow = [this] { browseKill.ShowAndRefresh(); };
  browseKill.hooks.Shutdown = [this] { formMain.Shutdown1Click(); };
  browseKill.hooks.HelpMe = [this] { help.Context(browseKill, HelpContext::BrowseKill); };
  BrowseKillTerminateChecked = [this] {
    browseKill.Refresh();
    browseKill.TerminateThem();
  };
  formProc.HelpHook = [this] { help.Context(formProc, HelpContext::ProcessPicker); };
  programEntry.HelpHook = [this] { help.Context(programEntry, HelpContext::ProgramEntry); };
  processEntry.HelpHook = [this] { help.Context(processEntry, HelpContext::ProcessEntry); };
  options.SetDefaultIcons(formMain.DefaultOnIcon, formMain.DefaultOffIcon);
}

bool Instance::Start() {
  app.setTitle("Quellmarch");
  // Another program closing ours politely, or the system ending the
  // session, ends the instance as the tray's Shutdown does.
  env.backend.setEndRequestHandler([this] {
    bool ending = false;
    app.guard([&] { ending = formMain.Shutdown(); });
    return ending;
  });
  // The Options window comes before the tray window: the icon shows the
  // Options window's picture and tooltip.
  WireWindows();
  // The splash is the main window: closing it ends the instance.
  app.add(splash);
  app.setMainForm(splash);
  // Placed now rather than at a first show that may never come: the windows
  // centred on the main window take their place from it.
  splash.centreOnScreen();
  app.add(about);
  app.add(programEntry);
  app.add(options);
  app.add(status);
  app.add(formProc);
  app.add(formMain);
  if (env.trayWindowCreated) env.trayWindowCreated(formMain);
  formMain.PlaceOnTray();
  for (ui::Form* form : std::initializer_list<ui::Form*>{
           &processEntry, &overWrite, &saveChanges, &firstSelect, &emptyBoxes, &notfound, &attention,
           &preregistry, &welcome, &information, &firstProgram, &firstprocess, &autoAddForm, &afterAddForm,
           &autoAdvert, &browseKill, &preview}) {
    app.add(*form);
  }

  config = std::make_unique<TConfigData>(options.ProgramEntries(), options.ProcessEntries(), store);
  options.BindDocument(*config);
  engine = std::make_unique<Engine>(env.platform, formProc.snapshot, *config, formMain,
                                    env.windowHandle ? env.windowHandle(formMain) : WindowHandle{0});
  formMain.SetBatchActions(engine->batch);
  browseKill.Bind(*config, engine->batch);
  preview.Bind(engine->preview);
  options.BindEntryEditing({&programEntry, &processEntry, &firstSelect, &firstProgram, &firstprocess, &engine->batch,
                            &settings.ProgramHint, &settings.ProcessHint});

  settings.OptionWindow = SizeToKeep(options);
  settings.ProcWindow = SizeToKeep(formProc);
  settings.BrowsekillWindow = SizeToKeep(browseKill);
  settings.PreviewWindow = SizeToKeep(preview);
  if (!LoadGlobalSettings(env.platform.registry, app, settings, [this] {
        welcome.showModal();
        autoAdvert.showModal();
      })) {
    formMain.UpdateTrayIcon(TrayAction::Delete);
    return false;
  }
  const ui::Size screen = env.backend.screenSize();
  RestoreSize(options, settings.OptionWindow, screen);
  RestoreSize(formProc, settings.ProcWindow, screen);
  RestoreSize(browseKill, settings.BrowsekillWindow, screen);
  RestoreSize(preview, settings.PreviewWindow, screen);
  options.ConfigDirty = false;
  options.CurrentConfigFile.clear();
  ExeDir = DirectoryOf(env.exeName);

  Files& files = env.platform.files;
  const std::string argument = CommandLineArgument(env.commandLine);
  if (!argument.empty()) {
    std::string& name = options.CurrentConfigFile;
    name = argument;
    const bool found = ResolveConfigName(files, name, "", kConfigExtension) ||
                       ResolveConfigName(files, name, ExeDir, kConfigExtension) ||
                       ResolveConfigName(files, name, ExeDir + kConfigSubfolder, kConfigExtension) ||
                       HandleMissingConfig(name);
    if (!found) {
      formMain.UpdateTrayIcon(TrayAction::Delete);
      splash.EndSplash();
      return false;
    }
  }

  // Without an argument the last file used takes over. An empty LastFile
  // would otherwise find a file named only ".qmf" in the current folder.
  if (argument.empty() && options.CurrentConfigFile.empty() && !settings.LastFile.empty()) {
    std::string last = settings.LastFile;
    if (ResolveConfigName(files, last, "", kConfigExtension)) {
      options.CurrentConfigFile = last;
      LastFileAutoLoaded = true;
    }
  }

  if (!options.CurrentConfigFile.empty()) {
    options.LoadConfigFile(options.CurrentConfigFile);
    if (settings.FirstRun) {
      splash.EndSplash();
      options.PreShow();
      options.show();
    } else if (config->Hide_Splashscreen) {
      splash.SplashInterval = 0;
      splash.EndSplash();
    } else {
      splash.SplashInterval = TSplasher::kDefaultDuration;
      splash.RestartTimer();
    }
    // An error of the action on launch (a rejected pattern, say) ends that
    // action like any command; the instance still comes up in the tray.
    app.guard([this] { ApplyStartupOptions(); });
    LastFileAutoLoaded = false;
  } else {
    splash.EndSplash();
    options.PreShow();
    options.show();
  }
  return true;
}

bool Instance::HandleMissingConfig(std::string& name) {
  if (!runEntries.FindRunEntry(name)) {
    splash.EndSplash();
    attention.ShowAttention("File " + name + " was not found.  Starting with blank configuration file.");
    name.clear();
    return true;
  }
  for (;;) {
    splash.EndSplash();
    notfound.Memo3.setLines({name});
    notfound.RadioButton3.setChecked(true);
    notfound.showModal();
    if (notfound.RadioButton3.checked()) return false;
    if (notfound.RadioButton2.checked()) {
      runEntries.RemoveRunEntry(name);
      return false;
    }
    notfound.OpenDialog1.fileName = name;
    notfound.OpenDialog1.initialDir = DirectoryOf(name);
    if (notfound.OpenDialog1.execute()) {
      const std::string chosen = notfound.OpenDialog1.fileName;
      runEntries.RemoveRunEntry(name);
      name = chosen;
      runEntries.AddRunEntry(chosen);
      return true;
    }
  }
}

void Instance::ApplyStartupOptions() {
  if (options.StartState.itemIndex() == 1) {
    formMain.SetStateOff();
  } else {
    formMain.SetStateOn();
  }
  const bool inBrowseKill = options.StartLocation.itemIndex() == 1;
  if (options.CheckBox5.checked()) {
    if (LastFileAutoLoaded) {
      attention.ShowAttention(kSafetyText);
      options.show();
    } else if (inBrowseKill) {
      if (BrowseKillTerminateChecked) BrowseKillTerminateChecked();
    } else {
      formMain.GoActivate();
    }
  } else if (inBrowseKill && formMain.BrowseKillNow) {
    formMain.BrowseKillNow();
  }
}

int Instance::Run() {
  if (Start()) app.run();
  config.reset();
  return 0;
}

int RunQuellmarch(AppEnvironment env) {
  Instance instance(std::move(env));
  return instance.Run();
}

}  // namespace qm
