#include "config/std_text_file_store.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>

#include "config/app_error.h"
#include "config/config_data.h"
#include "config/memory_entry_list.h"

namespace qm {
namespace {

namespace fs = std::filesystem;

class StdTextFileStoreTest : public ::testing::Test {
 protected:
  void SetUp() override {
    dir = fs::temp_directory_path() / ("qm_config_store_" + std::to_string(::getpid()));
    fs::remove_all(dir);
    fs::create_directories(dir);
  }
  void TearDown() override { fs::remove_all(dir); }
  std::size_t FilesInDir() const { return static_cast<std::size_t>(std::distance(fs::directory_iterator(dir), {})); }

  fs::path dir;
  StdTextFileStore store;
};

TEST_F(StdTextFileStoreTest, ReplacesWholeFilesAndLeavesNothingBehind) {
  const std::string path = (dir / "a.qmf").string();
  EXPECT_FALSE(store.ReadWholeFile(path).has_value());
  EXPECT_FALSE(store.ReadWholeFile(dir.string()).has_value()) << "a directory is no file";
  ASSERT_TRUE(store.ReplaceFile(path, std::string("long old contents\0\r\n", 21)));
  ASSERT_TRUE(store.ReplaceFile(path, "new"));
  EXPECT_EQ(store.ReadWholeFile(path), "new");
  EXPECT_EQ(FilesInDir(), 1u);
}

TEST_F(StdTextFileStoreTest, AFailedReplacementKeepsTheOldFile) {
  EXPECT_FALSE(store.ReplaceFile((dir / "missing" / "a.qmf").string(), "x"));
  fs::create_directories(dir / "taken.qmf");
  EXPECT_FALSE(store.ReplaceFile((dir / "taken.qmf").string(), "x"));
  EXPECT_TRUE(fs::is_directory(dir / "taken.qmf"));
  EXPECT_EQ(FilesInDir(), 1u) << "no temporary file is left";
}

TEST_F(StdTextFileStoreTest, ConfigurationSavesThroughIt) {
  MemoryEntryList run;
  MemoryEntryList terminate;
  TConfigData config(run, terminate);
  const std::string path = (dir / "b.qmf").string();
  run.AppendStored("C:\\a.exe", true);
  config.Message_Delay = 321;
  ASSERT_TRUE(config.SaveToFile(path));
  config.Reset();
  ASSERT_TRUE(config.LoadFromFile(path));
  EXPECT_EQ(config.Message_Delay, 321);
  EXPECT_EQ(run.Count(), 1u);

  const std::string blocked = (dir / "c.qmf").string();
  fs::create_directories(blocked);
  EXPECT_THROW(config.SaveToFile(blocked), AppError);
}

}  // namespace
}  // namespace qm
