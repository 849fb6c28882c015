#include <gtest/gtest.h>

#include "app/command_line.h"
#include "platform/sim/sim_files.h"

namespace qm::test {
namespace {

TEST(CommandLineArgument, IsTheRestAfterTheProgramNameTakenUnchanged) {
  EXPECT_EQ(CommandLineArgument("prog.exe"), "");
  EXPECT_EQ(CommandLineArgument("prog.exe   "), "");
  EXPECT_EQ(CommandLineArgument("  \t prog.exe \t work"), "work");
  EXPECT_EQ(CommandLineArgument("\"C:\\My Tools\\prog.exe\" my setup  "), "my setup  ");
  EXPECT_EQ(CommandLineArgument("\"C:\\My Tools\\prog.exe\"work"), "work");
  EXPECT_EQ(CommandLineArgument("prog.exe \"C:\\a b.qmf\""), "\"C:\\a b.qmf\"");
  EXPECT_EQ(CommandLineArgument("\"unclosed prog.exe arg"), "");
  EXPECT_EQ(CommandLineArgument(""), "");
}

TEST(ResolveConfigName, TriesTheBareNameBeforeTheExtensionAndLeavesAMissNameAlone) {
  sim::SimFiles files;
  files.Put("C:\\Dir\\work.qmf", "");
  std::string name = "work";
  EXPECT_TRUE(ResolveConfigName(files, name, "C:\\Dir\\", "qmf"));
  EXPECT_EQ(name, "C:\\Dir\\work.qmf");

  files.Put("C:\\Dir\\work", "");
  name = "work";
  EXPECT_TRUE(ResolveConfigName(files, name, "C:\\Dir\\", "qmf"));
  EXPECT_EQ(name, "C:\\Dir\\work");

  name = "other";
  EXPECT_FALSE(ResolveConfigName(files, name, "C:\\Dir\\", "qmf"));
  EXPECT_EQ(name, "other");
}

}  // namespace
}  // namespace qm::test
