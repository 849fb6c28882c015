#include "platform/registry_values.h"

#include <gtest/gtest.h>

#include "platform/sim/sim_registry.h"

namespace qm {
namespace {

constexpr const char* kKey = "\\Software\\Quellmarch";

class RegistryValuesTest : public ::testing::Test {
 protected:
  sim::SimRegistry registry;
};

TEST_F(RegistryValuesTest, KeysAreOpenedWithoutCreatingAndCreatedWithTheirParents) {
  EXPECT_FALSE(registry.KeyExists(kKey));
  EXPECT_TRUE(registry.CreateKey(kKey));
  EXPECT_TRUE(registry.KeyExists("software\\QUELLMARCH"));
  EXPECT_TRUE(registry.KeyExists("Software"));
  EXPECT_EQ(WriteRegString(registry, "Software\\Missing", "X", "v"), RegStatus::NotFound);
}

TEST_F(RegistryValuesTest, StringsReadBackAndAnAbsentStringIsEmpty) {
  registry.CreateKey(kKey);
  std::string text = "stale";
  EXPECT_EQ(ReadRegString(registry, kKey, "LastFile", text), RegStatus::Ok);
  EXPECT_EQ(text, "");
  ASSERT_EQ(WriteRegString(registry, kKey, "LastFile", "C:\\a.qmf"), RegStatus::Ok);
  EXPECT_EQ(ReadRegString(registry, kKey, "lastfile", text), RegStatus::Ok);
  EXPECT_EQ(text, "C:\\a.qmf");
}

TEST_F(RegistryValuesTest, AValueOfAnotherTypeIsAnError) {
  registry.CreateKey(kKey);
  WriteRegInteger(registry, kKey, "Width", 640);
  WriteRegString(registry, kKey, "Name", "x");
  std::string text;
  std::uint32_t number = 0;
  bool flag = false;
  EXPECT_EQ(ReadRegString(registry, kKey, "Width", text), RegStatus::Error);
  EXPECT_EQ(ReadRegInteger(registry, kKey, "Name", number), RegStatus::Error);
  EXPECT_EQ(ReadRegBool(registry, kKey, "Name", flag), RegStatus::Error);
  registry.Put(kKey, "Blob", RegValue{RegType::Other, {}, 0});
  EXPECT_EQ(ReadRegString(registry, kKey, "Blob", text), RegStatus::Error);
}

TEST_F(RegistryValuesTest, IntegersAndBooleans) {
  registry.CreateKey(kKey);
  std::uint32_t number = 7;
  EXPECT_EQ(ReadRegInteger(registry, kKey, "Width", number), RegStatus::NotFound);
  EXPECT_EQ(number, 7u);
  WriteRegBool(registry, kKey, "ProgramHint", false);
  bool flag = true;
  EXPECT_EQ(ReadRegBool(registry, kKey, "ProgramHint", flag), RegStatus::Ok);
  EXPECT_FALSE(flag);
  registry.Put(kKey, "Other", RegValue{RegType::Integer, {}, 5});
  EXPECT_EQ(ReadRegBool(registry, kKey, "Other", flag), RegStatus::Ok);
  EXPECT_TRUE(flag);
  EXPECT_TRUE(RegValueExists(registry, kKey, "PROGRAMHINT"));
  EXPECT_EQ(registry.DeleteValue(kKey, "ProgramHint"), RegStatus::Ok);
  EXPECT_FALSE(RegValueExists(registry, kKey, "ProgramHint"));
  EXPECT_EQ(registry.DeleteValue(kKey, "ProgramHint"), RegStatus::NotFound);
}

TEST_F(RegistryValuesTest, InjectedFailuresHitOnlyTheirOperationAndKey) {
  registry.CreateKey(kKey);
  WriteRegString(registry, kKey, "A", "1");
  registry.InjectFailure(sim::SimRegistry::Op::Set, kKey);
  EXPECT_EQ(WriteRegString(registry, kKey, "A", "2"), RegStatus::Error);
  std::string text;
  EXPECT_EQ(ReadRegString(registry, kKey, "A", text), RegStatus::Ok);
  EXPECT_EQ(text, "1");
  registry.InjectFailure(sim::SimRegistry::Op::Query, kKey);
  EXPECT_EQ(ReadRegString(registry, kKey, "A", text), RegStatus::Error);
  EXPECT_FALSE(RegValueExists(registry, kKey, "A"));
  registry.InjectFailure(sim::SimRegistry::Op::Create, "Software\\Denied");
  EXPECT_FALSE(registry.CreateKey("Software\\Denied"));
  EXPECT_FALSE(registry.KeyExists("Software\\Denied"));
}

}  // namespace
}  // namespace qm
