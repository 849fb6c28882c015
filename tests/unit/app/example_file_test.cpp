// The example configuration that the package and tools/run.sh start with is
// what a new user tries first, so it must not be able to lose their work.
#include <fstream>
#include <sstream>

#include "app_fixture.h"

namespace qm::test {
namespace {

class ExampleFileTest : public AppTest {};

// Every process entry, checked or not, is tried on a machine where the
// editors hold unsaved text: they answer a close request by asking to save,
// and keep running. None of them may be ended by force.
TEST_F(ExampleFileTest, NoEntryEndsAProgramThatHoldsADocumentByForce) {
  std::ifstream file(std::string(QM_TEST_DATA_DIR) + "/../../../examples/Example.qmf", std::ios::binary);
  ASSERT_TRUE(file);
  std::ostringstream text;
  text << file.rdbuf();
  machine.files.Put("C:\\Example.qmf", text.str());
  const char* editors[] = {"C:\\WINDOWS\\notepad.exe", "C:\\Program Files\\Accessories\\WORDPAD.EXE",
                           "C:\\WINDOWS\\write.exe"};
  ProcessId pid = 50;
  for (const char* editor : editors) {
    machine.world.AddProcess(pid, editor).onClose = sim::CloseAnswer::Ignore;
    machine.world.AddWindow(pid++, "Untitled");
  }
  ASSERT_TRUE(Start("C:\\Example.qmf"));
  ui::CheckListBox& entries = options().CheckListBox2;
  ASSERT_GT(entries.count(), 0);
  for (int i = 0; i < entries.count(); ++i) {
    entries.setItemIndex(i);
    options().TerminateNow1.userClick();
  }
  for (ProcessId p = 50; p < pid; ++p) {
    EXPECT_FALSE(machine.world.FindProcess(p)->endedByForce) << machine.world.FindProcess(p)->path;
  }
}

}  // namespace
}  // namespace qm::test
