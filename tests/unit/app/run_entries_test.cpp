#include <gtest/gtest.h>

#include "app/global_settings.h"
#include "app/run_entries.h"
#include "platform/sim/sim_registry.h"
#include "ui/toolkit/headless/headless_backend.h"

namespace qm::test {
namespace {

RegValue Str(std::string s) { return RegValue{RegType::String, std::move(s), 0}; }

class RunEntriesTest : public ::testing::Test {
 protected:
  std::string Slot(int n) {
    RegValue value;
    if (registry.QueryValue(kRunKey, "Quellmarch" + std::to_string(n), value) != RegStatus::Ok) return "<absent>";
    return value.text;
  }

  sim::SimRegistry registry;
  ui::HeadlessBackend backend;
  ui::Application app{backend};
  int notes = 0;
  bool acceptNote = true;
  RunEntries entries{registry, app, "C:\\Tools\\Prog.exe", [this] {
                       ++notes;
                       return acceptNote;
                     }};
};

TEST_F(RunEntriesTest, AnEntryQuotesTheProgramAndLowersOnlyTheFileName) {
  EXPECT_TRUE(entries.AddRunEntry("C:\\Work\\Set.qmf"));
  EXPECT_EQ(Slot(1), "\"C:\\Tools\\Prog.exe\" c:\\work\\set.qmf");
  EXPECT_EQ(notes, 1);
  EXPECT_EQ(entries.FindRunEntry("c:\\WORK\\set.QMF"), "Quellmarch1");
}

TEST_F(RunEntriesTest, ASecondSaveOfTheSameFileNeitherAsksNorWrites) {
  entries.AddRunEntry("C:\\a.qmf");
  entries.AddRunEntry("C:\\A.qmf");
  EXPECT_EQ(notes, 1);
  EXPECT_EQ(registry.ValueCount(kRunKey), 1u);
}

TEST_F(RunEntriesTest, NewEntriesTakeTheFirstFreeSlotAndAnEmptyTextIsFree) {
  registry.Put(kRunKey, "Quellmarch1", Str("\"C:\\Tools\\Prog.exe\" c:\\one.qmf"));
  registry.Put(kRunKey, "Quellmarch2", Str("\"C:\\Tools\\Prog.exe\" c:\\two.qmf"));
  registry.Put(kRunKey, "Quellmarch4", Str(""));
  entries.AddRunEntry("C:\\three.qmf");
  EXPECT_EQ(Slot(3), "\"C:\\Tools\\Prog.exe\" c:\\three.qmf");
  EXPECT_TRUE(entries.RemoveRunEntry("C:\\ONE.qmf"));
  EXPECT_EQ(Slot(1), "<absent>");
  entries.AddRunEntry("C:\\five.qmf");
  EXPECT_EQ(Slot(1), "\"C:\\Tools\\Prog.exe\" c:\\five.qmf");
  entries.AddRunEntry("C:\\six.qmf");
  EXPECT_EQ(Slot(4), "\"C:\\Tools\\Prog.exe\" c:\\six.qmf");
}

TEST_F(RunEntriesTest, WithAllFortySlotsTakenNothingIsWrittenOrAsked) {
  for (int i = 1; i <= 40; ++i) registry.Put(kRunKey, "Quellmarch" + std::to_string(i), Str("x" + std::to_string(i)));
  EXPECT_TRUE(entries.AddRunEntry("C:\\new.qmf"));
  EXPECT_EQ(notes, 0);
  EXPECT_FALSE(entries.FindRunEntry("C:\\new.qmf"));
  EXPECT_TRUE(backend.log().empty());
}

TEST_F(RunEntriesTest, ARefusedNoteWritesNothing) {
  acceptNote = false;
  EXPECT_FALSE(entries.AddRunEntry("C:\\a.qmf"));
  EXPECT_EQ(Slot(1), "<absent>");
}

TEST_F(RunEntriesTest, AnEntryWrittenByTheProgramAtAnotherPathOrCaseIsNotOurs) {
  registry.Put(kRunKey, "Quellmarch1", Str("\"c:\\tools\\prog.exe\" c:\\a.qmf"));
  EXPECT_FALSE(entries.FindRunEntry("C:\\a.qmf"));
  entries.RemoveRunEntry("C:\\a.qmf");
  EXPECT_EQ(Slot(1), "\"c:\\tools\\prog.exe\" c:\\a.qmf");
}

TEST_F(RunEntriesTest, AMissingRunKeyIsCreatedOnlyWhenLookingForAFreeSlot) {
  EXPECT_FALSE(entries.FindRunEntry("C:\\a.qmf"));
  EXPECT_FALSE(registry.KeyExists(kRunKey));
  EXPECT_EQ(entries.FindRunEntry(""), "Quellmarch1");
  EXPECT_TRUE(registry.KeyExists(kRunKey));
}

TEST_F(RunEntriesTest, RegistryFailuresAreReportedAndChangeNothing) {
  registry.Put(kRunKey, "Quellmarch1", RegValue{RegType::Integer, {}, 7});
  EXPECT_TRUE(entries.AddRunEntry("C:\\a.qmf"));
  EXPECT_EQ(notes, 0);
  EXPECT_EQ(registry.ValueCount(kRunKey), 1u);
  ASSERT_FALSE(backend.log().empty());
  EXPECT_EQ(backend.log().back(), "message : Error accessing registry.");

  backend.clearLog();
  sim::SimRegistry bare;
  RunEntries denied{bare, app, "C:\\P.exe", [] { return true; }};
  bare.InjectFailure(sim::SimRegistry::Op::Create, kRunKey);
  EXPECT_TRUE(denied.AddRunEntry("C:\\a.qmf"));
  EXPECT_EQ(backend.log(), std::vector<std::string>{"message : Error accessing registry."});
}

}  // namespace
}  // namespace qm::test
