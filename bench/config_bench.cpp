// Load and save of configuration files with long entry lists. The files live
// in memory so the figures are the document's own cost; the last benchmark
// adds the real file system for comparison.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <map>
#include <string>

#include "config/config_data.h"
#include "config/memory_entry_list.h"
#include "config/std_text_file_store.h"

namespace {

class InMemoryStore : public qm::TextFileStore {
 public:
  std::optional<std::string> ReadWholeFile(const std::string& path) override {
    const auto found = files.find(path);
    if (found == files.end()) return std::nullopt;
    return found->second;
  }
  bool ReplaceFile(const std::string& path, const std::string& contents) override {
    files[path] = contents;
    return true;
  }
  std::map<std::string, std::string> files;
};

// A file whose entries are split between the two lists like a real one: run
// entries with arguments and a start mode, process entries with a mode.
void FillLists(qm::MemoryEntryList& run, qm::MemoryEntryList& terminate, std::size_t entries) {
  for (std::size_t i = 0; i < entries; ++i) {
    const std::string n = std::to_string(i);
    if (i % 2 == 0) {
      run.AppendStored("C:\\Program Files\\Vendor " + n + "\\program" + n + ".exe {arg -quiet} {min}", i % 3 != 0);
    } else {
      terminate.AppendStored("*\\PROGRAM" + n + ".EXE {harsh} {rem background}", true);
    }
  }
}

void BM_LoadAndSave(benchmark::State& state) {
  const auto entries = static_cast<std::size_t>(state.range(0));
  InMemoryStore store;
  qm::MemoryEntryList run;
  qm::MemoryEntryList terminate;
  qm::TConfigData config(run, terminate, store);
  FillLists(run, terminate, entries);
  config.SaveToFile("bench.qmf");
  for (auto _ : state) {
    config.LoadFromFile("bench.qmf");
    config.SaveToFile("bench.qmf");
  }
  state.counters["entries"] = static_cast<double>(run.Count() + terminate.Count());
  state.counters["file_bytes"] = static_cast<double>(store.files["bench.qmf"].size());
  state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_LoadAndSave)->Arg(999)->Arg(9999)->Unit(benchmark::kMillisecond)->Complexity(benchmark::oN);

// The largest file a load reads whole: both lists at their 9,999-entry cap.
void BM_LoadAndSaveBothListsFull(benchmark::State& state) {
  InMemoryStore store;
  qm::MemoryEntryList run;
  qm::MemoryEntryList terminate;
  qm::TConfigData config(run, terminate, store);
  FillLists(run, terminate, 2 * qm::kMaxEntriesRead);
  config.SaveToFile("bench.qmf");
  for (auto _ : state) {
    config.LoadFromFile("bench.qmf");
    config.SaveToFile("bench.qmf");
  }
}
BENCHMARK(BM_LoadAndSaveBothListsFull)->Unit(benchmark::kMillisecond);

void BM_Load(benchmark::State& state) {
  InMemoryStore store;
  qm::MemoryEntryList run;
  qm::MemoryEntryList terminate;
  qm::TConfigData config(run, terminate, store);
  FillLists(run, terminate, static_cast<std::size_t>(state.range(0)));
  config.SaveToFile("bench.qmf");
  for (auto _ : state) config.LoadFromFile("bench.qmf");
}
BENCHMARK(BM_Load)->Arg(999)->Arg(9999)->Unit(benchmark::kMillisecond);

void BM_Save(benchmark::State& state) {
  InMemoryStore store;
  qm::MemoryEntryList run;
  qm::MemoryEntryList terminate;
  qm::TConfigData config(run, terminate, store);
  FillLists(run, terminate, static_cast<std::size_t>(state.range(0)));
  config.SaveToFile("bench.qmf");
  for (auto _ : state) config.SaveToFile("bench.qmf");
}
BENCHMARK(BM_Save)->Arg(999)->Arg(9999)->Unit(benchmark::kMillisecond);

void BM_LoadAndSaveOnDisk(benchmark::State& state) {
  const std::string path =
      (std::filesystem::temp_directory_path() / ("qm_config_bench_" + std::to_string(state.range(0)) + ".qmf")).string();
  qm::MemoryEntryList run;
  qm::MemoryEntryList terminate;
  qm::TConfigData config(run, terminate);
  FillLists(run, terminate, static_cast<std::size_t>(state.range(0)));
  config.SaveToFile(path);
  for (auto _ : state) {
    config.LoadFromFile(path);
    config.SaveToFile(path);
  }
  std::remove(path.c_str());
}
BENCHMARK(BM_LoadAndSaveOnDisk)->Arg(999)->Arg(9999)->Unit(benchmark::kMillisecond);

}  // namespace
