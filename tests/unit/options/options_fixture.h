// The Options window alone, attached to the headless screen, with its
// document on simulated files.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "app/files_text_store.h"
#include "platform/sim/sim_files.h"
#include "ui/options/option_form.h"
#include "ui/toolkit/headless/headless_backend.h"

namespace qm::test {

// A well-formed 1 x 1 icon file: header, one directory entry, a bitmap
// header, one pixel and its mask row.
inline std::string TinyIcon() {
  auto le = [](std::uint32_t value, int bytes) {
    std::string out;
    for (int i = 0; i < bytes; ++i) out.push_back(static_cast<char>((value >> (8 * i)) & 0xFF));
    return out;
  };
  const std::string bitmap = le(40, 4) + le(1, 4) + le(2, 4) + le(1, 2) + le(32, 2) + std::string(24, '\0') +
                             le(0xFF00FF00, 4) + le(0, 4);
  return le(0, 2) + le(1, 2) + le(1, 2) + std::string{1, 1, 0, 0} + le(1, 2) + le(32, 2) +
         le(static_cast<std::uint32_t>(bitmap.size()), 4) + le(22, 4) + bitmap;
}

class OptionsTest : public ::testing::Test {
 protected:
  OptionsTest() {
    backend.onFailure = [](const std::string&) {};
    app.add(form);
    app.add(saveChanges);
    app.add(overWrite);
    defaultOn.setPicture(ui::Picture::fromResource(101));
    defaultOff.setPicture(ui::Picture::fromResource(102));
    app.add(iconHolder);
    form.SetDefaultIcons(defaultOn, defaultOff);
    form.BindDocument(config);
    form.hooks.RefreshTrayIcon = [this] { ++trayRefreshes; };
    form.hooks.AddRunEntry = [this](const std::string& f) {
      runEntryCalls.push_back("add " + f);
      return true;
    };
    form.hooks.RemoveRunEntry = [this](const std::string& f) {
      runEntryCalls.push_back("remove " + f);
      return true;
    };
  }

  sim::SimFiles files;
  FilesTextStore store{files};
  ui::HeadlessBackend backend;
  ui::Application app{backend};
  TFormSaveChanges saveChanges;
  TOverWrite overWrite;
  TOptionForm1 form{files, saveChanges, overWrite};
  ui::Form iconHolder{"IconHolder"};
  ui::Image defaultOn{iconHolder, "DefaultOnIcon"};
  ui::Image defaultOff{iconHolder, "DefaultOffIcon"};
  TConfigData config{form.ProgramEntries(), form.ProcessEntries(), store};
  int trayRefreshes = 0;
  std::vector<std::string> runEntryCalls;
};

}  // namespace qm::test
