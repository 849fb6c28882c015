#include "options_fixture.h"

#include "config/app_error.h"

namespace qm::test {
namespace {

class SaveChangesTest : public OptionsTest {
 protected:
  void Dirty() {
    form.ProgramEntries().AppendStored("C:\\A.exe", true);
    form.ConfigDirty = true;
  }
};

TEST_F(SaveChangesTest, NothingIsAskedWhenCleanOrWhenBothListsAreEmpty) {
  EXPECT_TRUE(form.AskSaveChanges());
  form.ConfigDirty = true;
  EXPECT_TRUE(form.AskSaveChanges());
  EXPECT_FALSE(form.ConfigDirty) << "changes to an empty configuration are dropped";
  EXPECT_TRUE(backend.log().empty());
}

TEST_F(SaveChangesTest, NoGoesOnAndCancelStops) {
  Dirty();
  backend.answer<TFormSaveChanges>(ui::ModalResult::No);
  EXPECT_TRUE(form.AskSaveChanges());
  EXPECT_TRUE(form.visible()) << "the window shows what the question is about";
  backend.answer<TFormSaveChanges>(ui::ModalResult::Cancel);
  EXPECT_FALSE(form.AskSaveChanges());
}

TEST_F(SaveChangesTest, YesWithoutAFileOpensSaveAsAndCancellingItStopsTheCaller) {
  Dirty();
  backend.answer<TFormSaveChanges>(ui::ModalResult::Yes);
  backend.queueFile(std::nullopt);
  EXPECT_FALSE(form.AskSaveChanges());
  EXPECT_TRUE(form.ConfigDirty);
  EXPECT_EQ(files.Count(), 0u);
}

TEST_F(SaveChangesTest, YesSavesTheCurrentFileAndSyncsItsStartEntry) {
  Dirty();
  form.CurrentConfigFile = "C:\\Cfg\\a.qmf";
  backend.answer<TFormSaveChanges>(ui::ModalResult::Yes);
  EXPECT_TRUE(form.AskSaveChanges());
  EXPECT_FALSE(form.ConfigDirty);
  EXPECT_TRUE(files.FileExists("C:\\Cfg\\a.qmf"));
  EXPECT_EQ(runEntryCalls, std::vector<std::string>{"add C:\\Cfg\\a.qmf"});

  form.CheckBox1.setChecked(false);
  form.SaveConfig();
  EXPECT_EQ(runEntryCalls.back(), "remove C:\\Cfg\\a.qmf");
}

TEST_F(SaveChangesTest, AFailedWriteKeepsTheChangesAndStopsTheCaller) {
  Dirty();
  form.CurrentConfigFile = "C:\\Cfg\\locked.qmf";
  files.FailWrites("C:\\Cfg\\locked.qmf");
  backend.answer<TFormSaveChanges>(ui::ModalResult::Yes);
  EXPECT_THROW(form.AskSaveChanges(), AppError);
  EXPECT_TRUE(form.ConfigDirty);
  EXPECT_TRUE(runEntryCalls.empty());
}

TEST_F(SaveChangesTest, SaveAsAsksBeforeOverwritingAndMovesTheStartEntryToTheNewName) {
  Dirty();
  form.CurrentConfigFile = "C:\\Cfg\\Old.qmf";
  files.Put("C:\\Cfg\\Taken.qmf", "");
  backend.answer<TOverWrite>(ui::ModalResult::Cancel);
  backend.queueFile("C:\\Cfg\\Taken.qmf");
  backend.queueFile("C:\\Cfg\\New.qmf");
  form.SaveConfigAs();
  EXPECT_EQ(form.SaveDialog1.initialDir, "C:\\Cfg\\");
  EXPECT_EQ(form.CurrentConfigFile, "C:\\Cfg\\New.qmf");
  EXPECT_EQ(files.ReadWholeFile("C:\\Cfg\\Taken.qmf"), "");
  EXPECT_EQ(runEntryCalls, (std::vector<std::string>{"add C:\\Cfg\\New.qmf", "remove C:\\Cfg\\Old.qmf"}));
  EXPECT_EQ(form.caption(), "Quellmarch - New.qmf");

  runEntryCalls.clear();
  backend.queueFile("C:\\CFG\\NEW.QMF");
  backend.answer<TOverWrite>(ui::ModalResult::Ok);
  form.SaveConfigAs();
  EXPECT_EQ(runEntryCalls, std::vector<std::string>{"add C:\\CFG\\NEW.QMF"}) << "same file, other letter case";
  EXPECT_EQ(form.CurrentConfigFile, "C:\\CFG\\NEW.QMF");
}

}  // namespace
}  // namespace qm::test
