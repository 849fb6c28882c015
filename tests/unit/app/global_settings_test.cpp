#include <gtest/gtest.h>

#include "app/global_settings.h"
#include "platform/sim/sim_registry.h"
#include "ui/toolkit/headless/headless_backend.h"

namespace qm::test {
namespace {

RegValue Int(std::uint32_t n) { return RegValue{RegType::Integer, {}, n}; }
RegValue Str(std::string s) { return RegValue{RegType::String, std::move(s), 0}; }

class GlobalSettingsTest : public ::testing::Test {
 protected:
  GlobalSettingsTest() { settings.OptionWindow = {633, 578}; }
  sim::SimRegistry registry;
  ui::HeadlessBackend backend;
  ui::Application app{backend};
  GlobalSettings settings;
};

TEST_F(GlobalSettingsTest, FirstStartCreatesTheKeyAndKeepsEveryDefault) {
  ASSERT_TRUE(LoadGlobalSettings(registry, app, settings));
  EXPECT_TRUE(settings.FirstRun);
  EXPECT_TRUE(registry.KeyExists(kSettingsKey));
  EXPECT_TRUE(settings.ProgramHint);
  EXPECT_TRUE(settings.ProcessHint);
  EXPECT_EQ(settings.OptionWindow.width, 633);
  EXPECT_EQ(settings.LastFile, "");
  EXPECT_TRUE(backend.log().empty());
}

TEST_F(GlobalSettingsTest, AKeyThatCannotBeCreatedEndsTheProgramWithItsPath) {
  registry.InjectFailure(sim::SimRegistry::Op::Create, kSettingsKey);
  EXPECT_FALSE(LoadGlobalSettings(registry, app, settings));
  EXPECT_EQ(backend.log(), std::vector<std::string>{"message : Error: Failed to create registry key \\Software\\Quellmarch."});
}

TEST_F(GlobalSettingsTest, StoredValuesAreReadAndMissingOnesKeepTheirDefaults) {
  registry.Put(kSettingsKey, "LastFile", Str("C:\\a\\b.qmf"));
  registry.Put(kSettingsKey, "ProgramHint", Int(0));
  registry.Put(kSettingsKey, "OptionWindow_Width", Int(700));
  registry.Put(kSettingsKey, "BrowsekillWindow_Height", Int(300));
  ASSERT_TRUE(LoadGlobalSettings(registry, app, settings));
  EXPECT_FALSE(settings.FirstRun);
  EXPECT_EQ(settings.LastFile, "C:\\a\\b.qmf");
  EXPECT_FALSE(settings.ProgramHint);
  EXPECT_TRUE(settings.ProcessHint);
  EXPECT_EQ(settings.OptionWindow.width, 700);
  EXPECT_EQ(settings.OptionWindow.height, 578);
  EXPECT_EQ(settings.BrowsekillWindow.height, 300);
}

TEST_F(GlobalSettingsTest, AValueOfTheWrongTypeStopsTheReadingButKeepsWhatWasRead) {
  registry.Put(kSettingsKey, "LastFile", Str("C:\\x.qmf"));
  registry.Put(kSettingsKey, "ProgramHint", Str("no"));
  registry.Put(kSettingsKey, "ProcessHint", Int(0));
  ASSERT_TRUE(LoadGlobalSettings(registry, app, settings));
  EXPECT_EQ(settings.LastFile, "C:\\x.qmf");
  EXPECT_TRUE(settings.ProcessHint) << "read after the failing value";
  EXPECT_EQ(backend.log(), std::vector<std::string>{"message : Error accessing registry."});
}

TEST_F(GlobalSettingsTest, SavingWritesEveryValueAndTheLastFileEvenWhenEmpty) {
  registry.CreateKey(kSettingsKey);
  registry.Put(kSettingsKey, "LastFile", Str("C:\\old.qmf"));
  settings.ProcessHint = false;
  SaveGlobalSettings(registry, app, settings, "");
  EXPECT_EQ(registry.ValueCount(kSettingsKey), 5u) << "LastFile, two hints, the Options window's size";
  RegValue value;
  ASSERT_EQ(registry.QueryValue(kSettingsKey, "LastFile", value), RegStatus::Ok);
  EXPECT_EQ(value.text, "");
  ASSERT_EQ(registry.QueryValue(kSettingsKey, "ProcessHint", value), RegStatus::Ok);
  EXPECT_EQ(value.type, RegType::Integer);
  EXPECT_EQ(value.number, 0u);
  ASSERT_EQ(registry.QueryValue(kSettingsKey, "OptionWindow_Height", value), RegStatus::Ok);
  EXPECT_EQ(value.number, 578u);
}

TEST_F(GlobalSettingsTest, SavingWithoutTheKeyWritesNothingAndAFailedWriteIsReported) {
  SaveGlobalSettings(registry, app, settings, "C:\\a.qmf");
  EXPECT_FALSE(registry.KeyExists(kSettingsKey));
  EXPECT_TRUE(backend.log().empty());

  registry.CreateKey(kSettingsKey);
  registry.InjectFailure(sim::SimRegistry::Op::Set, kSettingsKey);
  SaveGlobalSettings(registry, app, settings, "C:\\a.qmf");
  EXPECT_EQ(backend.log(), std::vector<std::string>{"message : Error accessing registry to save last file used."});
}

}  // namespace
}  // namespace qm::test
