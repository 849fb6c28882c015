#include "config/app_error.h"
#include "options_fixture.h"

namespace qm::test {
namespace {

constexpr char kTwoEntries[] =
    "[Startup_Options]\r\nStart_with_windows=0\r\n[Icons]\r\nOn_Tooltip=Loaded\r\n[Run_Programs]\r\n0=1 C:\\A.exe\r\n"
    "[Terminate_Processes]\r\n0=1 *\\b.exe\r\n";

class FileCommandsTest : public OptionsTest {
 protected:
  // Unsaved changes in a configuration that has entries, so they are asked
  // about.
  void Dirty() {
    backend.clearLog();
    form.ProgramEntries().AppendStored("C:\\Mine.exe", true);
    form.ConfigDirty = true;
  }
};

TEST_F(FileCommandsTest, NewOpenAndSaveLeaveTheConfigurationUnchanged) {
  files.Put("C:\\Cfg\\Two.qmf", kTwoEntries);
  backend.queueFile("C:\\Cfg\\Two.qmf");
  form.OpenConfigurationFile1.userClick();
  EXPECT_EQ(form.CurrentConfigFile, "C:\\Cfg\\Two.qmf");
  EXPECT_EQ(form.caption(), "Quellmarch - Two.qmf");
  EXPECT_EQ(form.OnTooltip.text(), "Loaded");
  EXPECT_FALSE(form.ConfigDirty);

  form.CheckBox3.userToggle();
  form.SaveConfigurationFile1.userClick();
  EXPECT_FALSE(form.ConfigDirty);
  EXPECT_EQ(runEntryCalls, std::vector<std::string>{"remove C:\\Cfg\\Two.qmf"}) << "the box is unchecked";

  form.CheckBox3.userToggle();
  backend.answer<TFormSaveChanges>(ui::ModalResult::No);
  form.NewConfigurationFile1.userClick();
  EXPECT_FALSE(form.ConfigDirty);
  EXPECT_EQ(form.CurrentConfigFile, "");
  EXPECT_EQ(form.caption(), "Quellmarch");
  EXPECT_EQ(form.CheckListBox1.count(), 0);
  EXPECT_TRUE(form.CheckBox1.checked()) << "defaults again";
  EXPECT_EQ(form.OnTooltip.text(), std::string(kDefaultOnTooltip));
}

TEST_F(FileCommandsTest, OpenStartsInTheCurrentFolderAndACancelChangesNothing) {
  form.CurrentConfigFile = "C:\\Cfg\\Two.qmf";
  backend.queueFile(std::nullopt);
  form.LoadConfig();
  EXPECT_EQ(form.OpenDialog1.initialDir, "C:\\Cfg\\");
  EXPECT_EQ(form.CurrentConfigFile, "C:\\Cfg\\Two.qmf");
  EXPECT_EQ(backend.log().back(), "file dialog \"Load Quellmarch Configuration File\" -> cancel");

  // After an open and a Save As elsewhere, the dialog proposes the last name
  // only: a full path would take it back to the old folder.
  files.Put("C:\\Cfg\\Two.qmf", "[Run_Programs]\r\n");
  backend.queueFile("C:\\Cfg\\Two.qmf");
  form.LoadConfig();
  form.CurrentConfigFile = "D:\\Sets\\Three.qmf";
  backend.queueFile(std::nullopt);
  form.LoadConfig();
  EXPECT_EQ(form.OpenDialog1.fileName, "Two.qmf");
  EXPECT_EQ(form.OpenDialog1.initialDir, "D:\\Sets\\");
}

TEST_F(FileCommandsTest, AFailedSaveKeepsTheChangesAndStopsNewAndOpen) {
  Dirty();
  form.CurrentConfigFile = "C:\\Cfg\\locked.qmf";
  files.FailWrites("C:\\Cfg\\locked.qmf");
  backend.answer<TFormSaveChanges>(ui::ModalResult::Yes);
  EXPECT_THROW(form.NewConfig(), AppError);
  EXPECT_EQ(form.CurrentConfigFile, "C:\\Cfg\\locked.qmf");
  EXPECT_EQ(form.CheckListBox1.count(), 1);
  EXPECT_THROW(form.LoadConfig(), AppError) << "no open dialog follows";
  EXPECT_TRUE(form.ConfigDirty);
  EXPECT_TRUE(runEntryCalls.empty());
}

TEST_F(FileCommandsTest, YesThenACancelledSaveAsStopsNewAndOpen) {
  Dirty();
  backend.answer<TFormSaveChanges>(ui::ModalResult::Yes);
  backend.queueFile(std::nullopt);
  form.NewConfig();
  EXPECT_EQ(form.CheckListBox1.count(), 1);
  backend.queueFile(std::nullopt);
  form.LoadConfig();
  EXPECT_EQ(backend.log().back(), "file dialog \"Save As...\" -> cancel") << "the open dialog never came";
  EXPECT_TRUE(form.ConfigDirty);
}

TEST_F(FileCommandsTest, ChangesToAnEmptyConfigurationAreDroppedWithoutAQuestion) {
  form.CheckBox2.userToggle();
  backend.queueFile(std::nullopt);
  form.LoadConfig();
  EXPECT_FALSE(form.ConfigDirty);
  EXPECT_EQ(backend.log().size(), 1u) << "only the open dialog";
}

TEST_F(FileCommandsTest, SaveWithoutAFileIsSaveAsAndANewFileGetsItsStartEntry) {
  Dirty();
  backend.queueFile("C:\\Cfg\\First.qmf");
  form.SaveConfig();
  EXPECT_EQ(backend.log().front(), "file dialog \"Save As...\" -> C:\\Cfg\\First.qmf");
  EXPECT_EQ(form.SaveDialog1.fileName, "C:\\Cfg\\First.qmf");
  EXPECT_EQ(form.CurrentConfigFile, "C:\\Cfg\\First.qmf");
  EXPECT_EQ(runEntryCalls, std::vector<std::string>{"add C:\\Cfg\\First.qmf"}) << "nothing to remove for no file";
  EXPECT_FALSE(form.ConfigDirty);
  EXPECT_EQ(form.caption(), "Quellmarch - First.qmf");
}

TEST_F(FileCommandsTest, SaveAsPresetsTheDialogFromTheCurrentFile) {
  form.CurrentConfigFile = "D:\\Sets\\Games.qmf";
  backend.queueFile(std::nullopt);
  form.SaveConfigAs();
  EXPECT_EQ(form.SaveDialog1.fileName, "Games.qmf");
  EXPECT_EQ(form.SaveDialog1.initialDir, "D:\\Sets\\");
  EXPECT_EQ(form.SaveDialog1.defaultExt, "qmf");
  EXPECT_EQ(form.SaveDialog1.filter, "Quellmarch Configuration  File (*.qmf)|*.qmf");
}

TEST_F(FileCommandsTest, TheOverwriteQuestionSendsTheUserBackUntilTheyChooseOrStop) {
  Dirty();
  files.Put("C:\\Cfg\\A.qmf", "old A");
  files.Put("C:\\Cfg\\B.qmf", "old B");
  int asked = 0;
  backend.answer<TOverWrite>([&](TOverWrite&) {
    ++asked;
    return ui::ModalResult::Cancel;
  });
  backend.queueFile("C:\\Cfg\\A.qmf");
  backend.queueFile("C:\\Cfg\\B.qmf");
  backend.queueFile(std::nullopt);
  form.SaveConfigAs();
  EXPECT_EQ(asked, 2);
  EXPECT_EQ(files.ReadWholeFile("C:\\Cfg\\A.qmf"), "old A");
  EXPECT_EQ(files.ReadWholeFile("C:\\Cfg\\B.qmf"), "old B");
  EXPECT_EQ(form.CurrentConfigFile, "");
  EXPECT_EQ(form.caption(), "Quellmarch");
  EXPECT_TRUE(form.ConfigDirty);

  backend.answer<TOverWrite>(ui::ModalResult::Ok);
  backend.queueFile("C:\\Cfg\\B.qmf");
  form.SaveConfigAs();
  EXPECT_NE(files.ReadWholeFile("C:\\Cfg\\B.qmf"), "old B");
  EXPECT_EQ(form.CurrentConfigFile, "C:\\Cfg\\B.qmf");
}

TEST_F(FileCommandsTest, AFailedSaveAsKeepsTheOldNameAndItsStartEntry) {
  Dirty();
  form.CurrentConfigFile = "C:\\Cfg\\Old.qmf";
  files.FailWrites("C:\\Ro\\New.qmf");
  backend.queueFile("C:\\Ro\\New.qmf");
  EXPECT_THROW(form.SaveConfigAs(), AppError);
  EXPECT_EQ(form.CurrentConfigFile, "C:\\Cfg\\Old.qmf");
  EXPECT_TRUE(form.ConfigDirty);
  EXPECT_TRUE(runEntryCalls.empty());
}

TEST_F(FileCommandsTest, UncheckingStartWithWindowsAndSavingRemovesTheEntry) {
  Dirty();
  backend.queueFile("C:\\Cfg\\Boot.qmf");
  form.SaveConfig();
  form.CheckBox1.userToggle();
  EXPECT_TRUE(form.ConfigDirty);
  form.SaveConfigurationFile1.userClick();
  EXPECT_EQ(runEntryCalls, (std::vector<std::string>{"add C:\\Cfg\\Boot.qmf", "remove C:\\Cfg\\Boot.qmf"}));
  EXPECT_NE(files.ReadWholeFile("C:\\Cfg\\Boot.qmf")->find("Start_with_windows=0"), std::string::npos);
}

}  // namespace
}  // namespace qm::test
