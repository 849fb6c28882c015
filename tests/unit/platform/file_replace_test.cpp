#include <gtest/gtest.h>

#include "platform/files.h"
#include "platform/sim/sim_files.h"

namespace qm {
namespace {

// Whichever rename fails, on the NT family or on Windows 95/98 (which cannot
// rename over a file), the configuration stays readable where it was: the new
// one when the save succeeded, the old one otherwise, and nothing beside it.
TEST(FileReplace, WhicheverRenameFailsAReadableFileStaysInPlace) {
  for (bool windows9x : {false, true}) {
    for (int failing = 0; failing <= 3; ++failing) {
      sim::SimFiles files;
      files.canRenameOver = !windows9x;
      files.Put("C:\\Cfg\\Set.qmf", "old");
      files.FailRename(failing);
      const bool saved = ReplaceWholeFile(files, "C:\\Cfg\\Set.qmf", "new");
      const std::string where = (windows9x ? "95/98, rename " : "NT, rename ") + std::to_string(failing);
      EXPECT_EQ(files.ReadWholeFile("C:\\Cfg\\Set.qmf").value_or("<gone>"), saved ? "new" : "old") << where;
      EXPECT_TRUE(saved || failing != 0) << where;
      EXPECT_EQ(files.Count(), 1u) << where;
    }
  }
  sim::SimFiles files;
  files.canRenameOver = false;
  EXPECT_TRUE(ReplaceWholeFile(files, "C:\\Cfg\\New.qmf", "first")) << "no old file to step aside";
  EXPECT_EQ(files.ReadWholeFile("C:\\Cfg\\New.qmf").value_or("<gone>"), "first");
}

}  // namespace
}  // namespace qm
