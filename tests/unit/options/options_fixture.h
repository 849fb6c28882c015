// The Options window alone, attached to the headless screen, with its
// document on simulated files.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/files_text_store.h"
#include "platform/sim/sim_files.h"
#include "ui/options/option_form.h"
#include "ui/toolkit/headless/headless_backend.h"

namespace qm::test {

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
