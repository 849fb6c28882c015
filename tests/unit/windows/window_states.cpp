#include "windows/window_states.h"

#include <algorithm>
#include <map>
#include <stdexcept>

#include "app/app_fixture.h"
#include "ui/toolkit/headless/form_dump.h"

namespace qm::test {
namespace {

// One run of the program on a machine of its own. Modal windows are
// answered OK unless a run captures them.
struct Run {
  explicit Run(bool firstStart = false) {
    backend.onFailure = [](const std::string& message) { throw std::logic_error(message); };
    backend.answer<Tattention>(ui::ModalResult::Ok);
    backend.answer<TAutoAddForm>(ui::ModalResult::Ok);
    backend.answer<TAfterAddForm>(ui::ModalResult::Ok);
    backend.answer<TWelcome>(ui::ModalResult::Ok);
    backend.answer<TAutoAdvertForm>(ui::ModalResult::Ok);
    if (!firstStart) machine.registry.Put(kSettingsKey, "ProgramHint", RegValue{RegType::Integer, {}, 1});
  }
  bool Start(const std::string& argument = {}) {
    const std::string commandLine = std::string("\"") + kExe + "\"" + (argument.empty() ? "" : " " + argument);
    instance = std::make_unique<Instance>(AppEnvironment{machine.platform(), backend, icons, commandLine, kExe, {}, {}, {}, {}});
    return instance->Start();
  }
  // Every modal show of F from now on is dumped under `golden` and answered.
  template <class F>
  void Capture(std::vector<WindowDump>& into, const std::string& golden,
               std::function<void(F&)> answer = [](F&) {}) {
    backend.answer<F>([&into, golden, answer](F& form) {
      into.push_back({golden, ui::dumpForm(form)});
      answer(form);
      return ui::ModalResult::Ok;
    });
  }

  sim::SimMachine machine;
  ui::HeadlessBackend backend;
  FakeIcons icons;
  std::unique_ptr<Instance> instance;
};

// The states below, each of which a run must reach.
constexpr const char* kStates[] = {
    "attention.NoPrograms", "attention.NoProcesses", "AboutForm.About", "AboutForm.ReleaseNotes",
    "AboutForm.SplashScreen", "AfterAddForm", "Splasher", "attention.FileNotFound", "notfound",
    "attention.LastFileSafety", "PreviewForm.Toggle", "PreviewForm.Matches",
};

// The windows whose content changes with what happened, one dump per state.
std::vector<WindowDump> States() {
  std::vector<WindowDump> states;
  {
    Run run;
    run.Start();
    Instance& i = *run.instance;
    run.Capture<Tattention>(states, "attention.NoPrograms");
    i.formMain.RunNow();
    run.Capture<Tattention>(states, "attention.NoProcesses");
    i.formMain.TerminateNow();
    i.about.UpShow();
    for (const char* page : {"About", "ReleaseNotes", "SplashScreen"}) {
      states.push_back({std::string("AboutForm.") + page, ui::dumpForm(i.about)});
      i.about.ReleaseNotesTab.setActivePageIndex(i.about.ReleaseNotesTab.activePageIndex() + 1);
    }
    for (int pid : {30, 31, 32}) run.machine.world.AddProcess(pid, "C:\\Apps\\app" + std::to_string(pid) + ".exe");
    run.Capture<TAfterAddForm>(states, "AfterAddForm");
    i.options.RunAutoAdd1.userClick();
    // The entries AutoAdd made: each process of its own, each start skipped.
    i.options.PreviewToggle1.userClick();
    states.push_back({"PreviewForm.Toggle", ui::dumpForm(i.preview)});
    i.options.CheckListBox2.setItemIndex(0);
    i.options.ShowMatches1.userClick();
    states.push_back({"PreviewForm.Matches", ui::dumpForm(i.preview)});
  }
  {
    Run run;
    run.machine.files.Put("C:\\Sets\\Plain.qmf", "[Quellmarch]\r\nFileVersion=1\r\n");
    run.Start("C:\\Sets\\Plain.qmf");
    states.push_back({"Splasher", ui::dumpForm(run.instance->splash)});
  }
  {
    Run run;
    run.Capture<Tattention>(states, "attention.FileNotFound");
    run.Start("C:\\Gone\\Set.qmf");
  }
  {
    Run run;
    run.machine.registry.Put(kRunKey, "Quellmarch1",
                             RegValue{RegType::String, std::string("\"") + kExe + "\" c:\\gone\\set.qmf", 0});
    run.Capture<Tnotfound>(states, "notfound");
    run.Start("C:\\Gone\\Set.qmf");
  }
  {
    Run run;
    run.machine.registry.Put(kSettingsKey, "LastFile", RegValue{RegType::String, "C:\\Sets\\Last.qmf", 0});
    run.machine.files.Put("C:\\Sets\\Last.qmf", QmfText({}, {}, "Activate_onLaunch=1\r\n").Build());
    run.Capture<Tattention>(states, "attention.LastFileSafety");
    run.Start();
  }
  return states;
}

}  // namespace

std::vector<WindowDump> EveryWindow() {
  std::vector<WindowDump> states = States();
  for (const char* state : kStates) {
    if (std::none_of(states.begin(), states.end(), [state](const WindowDump& w) { return w.golden == state; })) {
      throw std::logic_error(std::string("the program never showed ") + state);
    }
  }
  std::map<std::string, std::vector<WindowDump>> byForm;
  for (WindowDump& state : states) {
    byForm[state.golden.substr(0, state.golden.find('.'))].push_back(std::move(state));
  }
  // A plain start without a file: every window the program holds, at its
  // design size and in its first state.
  Run run;
  run.Start();
  std::vector<WindowDump> every;
  for (const ui::Form* form : run.backend.forms()) {
    const auto own = byForm.find(form->name());
    if (own == byForm.end()) {
      every.push_back({form->name(), ui::dumpForm(*form)});
      continue;
    }
    for (WindowDump& state : own->second) every.push_back(std::move(state));
    byForm.erase(own);
  }
  if (!byForm.empty()) throw std::logic_error("states of a window the program does not hold: " + byForm.begin()->first);
  return every;
}

}  // namespace qm::test
