// Writes the golden of every window into a folder and removes goldens that
// belong to no window any more; tools/update-goldens.sh runs it.
#include <filesystem>
#include <fstream>
#include <iostream>
#include <set>

#include "windows/window_states.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::cerr << "usage: qm_write_goldens FOLDER\n";
    return 2;
  }
  const std::filesystem::path folder = argv[1];
  std::filesystem::create_directories(folder);
  std::set<std::string> written;
  for (const qm::test::WindowDump& window : qm::test::EveryWindow()) {
    const std::string file = window.golden + ".txt";
    std::ofstream(folder / file, std::ios::binary) << window.text;
    written.insert(file);
  }
  for (const auto& entry : std::filesystem::directory_iterator(folder)) {
    if (!written.contains(entry.path().filename().string())) std::filesystem::remove(entry.path());
  }
  std::cout << written.size() << " goldens in " << folder.string() << '\n';
  return 0;
}
