#pragma once

#include "platform/clock.h"
#include "platform/files.h"
#include "platform/help.h"
#include "platform/registry.h"
#include "platform/shell.h"
#include "platform/tray.h"

namespace qm::win32 {

class Win32Shell final : public Shell {
 public:
  std::intptr_t Execute(WindowHandle owner, const std::string& verb, const std::string& file,
                        const std::string& parameters, const std::string& directory, int showCommand) override;
  bool SetScreenSaveActive(bool active) override;
};

class Win32Tray final : public Tray {
 public:
  bool NotifyIcon(TrayAction action, const TrayIconData& data) override;
  std::optional<ScreenPoint> GetCursorPos() override;
  bool SetForegroundWindow(WindowHandle window) override;
};

// HHCTRL.OCX is loaded on the first help request and kept until the end.
class Win32Help final : public Help {
 public:
  Win32Help() = default;
  Win32Help(const Win32Help&) = delete;
  Win32Help& operator=(const Win32Help&) = delete;
  ~Win32Help() override;
  bool HtmlHelp(WindowHandle owner, const std::string& file, std::uint32_t command, std::uintptr_t data) override;

 private:
  ModuleHandle library_ = 0;
  void* entry_ = nullptr;
};

class Win32Registry final : public Registry {
 public:
  bool KeyExists(const std::string& key) override;
  bool CreateKey(const std::string& key) override;
  RegStatus QueryValue(const std::string& key, const std::string& name, RegValue& value) override;
  RegStatus SetValue(const std::string& key, const std::string& name, const RegValue& value) override;
  RegStatus DeleteValue(const std::string& key, const std::string& name) override;
};

class Win32Files final : public Files {
 public:
  bool FileExists(const std::string& path) override;
  std::optional<std::string> ReadWholeFile(const std::string& path) override;
  bool WriteNewFile(const std::string& path, const std::string& contents) override;
  RenameResult RenameReplacing(const std::string& from, const std::string& to) override;
  bool RenameFile(const std::string& from, const std::string& to) override;
  bool RemoveFile(const std::string& path) override;
};

// GetTickCount widened to 64 bits: it wraps after 49.7 days, and a pause
// that spans the wrap must not look like time running backwards.
class Win32Clock final : public Clock {
 public:
  void Sleep(std::uint32_t milliseconds) override;
  std::uint64_t NowMs() override;

 private:
  std::uint32_t last_ = 0;
  std::uint64_t high_ = 0;
};

}  // namespace qm::win32
