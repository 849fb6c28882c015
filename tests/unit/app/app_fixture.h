// A whole instance on the simulated machine with the headless screen: tests
// put files and registry values in place, start it, and read what happened.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "app/instance.h"
#include "platform/sim/sim_machine.h"
#include "ui/toolkit/headless/headless_backend.h"

namespace qm::test {

inline constexpr char kExe[] = "C:\\Tools\\Quellmarch.exe";

// Tray icon handles that tell the pictures apart: 1 and 2 for the built-in
// icons, 100 + n for the n-th file seen.
class FakeIcons final : public TrayIconSource {
 public:
  IconHandle HandleFor(const ui::Picture& picture) override {
    if (picture.kind == ui::Picture::Kind::Resource) return picture.resource == kDefaultOnIconResource ? 1 : 2;
    for (std::size_t i = 0; i < files.size(); ++i) {
      if (files[i] == picture.file) return 100 + i;
    }
    files.push_back(picture.file);
    return 100 + files.size() - 1;
  }
  std::vector<std::string> files;
};

// A configuration file's text with the given settings and entries.
struct QmfText {
  QmfText(std::vector<std::string> programList = {}, std::vector<std::string> processList = {},
          std::string startupLines = {}, std::string configurationLines = {})
      : programs(std::move(programList)),
        processes(std::move(processList)),
        startup(std::move(startupLines)),
        configuration(std::move(configurationLines)) {}
  std::vector<std::string> programs;   // "1 C:\\A.exe" = checked
  std::vector<std::string> processes;  // "0 *\\b.exe" = unchecked
  std::string startup;                 // extra lines for [Startup_Options]
  std::string configuration;           // extra lines for [Configuration]
  std::string Build() const {
    std::string text = "[Quellmarch]\r\nFileVersion=1\r\n[Startup_Options]\r\nStart_with_windows=0\r\n" + startup +
                       "[Configuration]\r\nMessage_Delay=1\r\n" + configuration +
                       "[Icons]\r\nOn_Tooltip=Quellmarch: Double-Click to Terminate Processes\r\n"
                       "Off_Tooltip=Quellmarch: Double-Click to Run Programs\r\n[Run_Programs]\r\n";
    for (std::size_t i = 0; i < programs.size(); ++i) text += std::to_string(i) + "=" + programs[i] + "\r\n";
    text += "[Terminate_Processes]\r\n";
    for (std::size_t i = 0; i < processes.size(); ++i) text += std::to_string(i) + "=" + processes[i] + "\r\n";
    return text;
  }
};

class AppTest : public ::testing::Test {
 protected:
  AppTest() {
    backend.onFailure = [](const std::string&) {};
    backend.answer<Tattention>(ui::ModalResult::Ok);
    backend.answer<TEmptyBoxes>(ui::ModalResult::Ok);
    backend.answer<Tpreregistry>(ui::ModalResult::Ok);
    backend.answer<TWelcome>(ui::ModalResult::Ok);
    backend.answer<TAutoAdvertForm>(ui::ModalResult::Ok);
    // Not the first start, unless a test says so.
    machine.registry.Put(kSettingsKey, "ProgramHint", RegValue{RegType::Integer, {}, 1});
  }

  Instance& Make(const std::string& argument = {}) {
    const std::string commandLine = std::string("\"") + kExe + "\"" + (argument.empty() ? "" : " " + argument);
    instance = std::make_unique<Instance>(AppEnvironment{machine.platform(), backend, icons, commandLine, kExe, windowHandle, {}, {}, {}});
    return *instance;
  }
  bool Start(const std::string& argument = {}) { return Make(argument).Start(); }

  TFormMain& tray() { return instance->formMain; }
  TOptionForm1& options() { return instance->options; }
  bool Logged(const std::string& line) const {
    for (const std::string& l : backend.log()) {
      if (l == line) return true;
    }
    return false;
  }
  int Count(const std::string& line) const {
    int n = 0;
    for (const std::string& l : backend.log()) n += l == line ? 1 : 0;
    return n;
  }
  std::string RegString(const std::string& key, const std::string& name) {
    RegValue value;
    if (machine.registry.QueryValue(key, name, value) != RegStatus::Ok) return "<absent>";
    return value.text;
  }
  // What the attention window said last.
  std::string AttentionText() const { return instance->attention.Memo1.text(); }

  // Native window handles the instance sees; none unless a test gives them.
  std::function<WindowHandle(const ui::Form&)> windowHandle;
  sim::SimMachine machine;
  ui::HeadlessBackend backend;
  FakeIcons icons;
  std::unique_ptr<Instance> instance;
};

}  // namespace qm::test
