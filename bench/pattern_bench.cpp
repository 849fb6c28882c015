// The process pattern matcher against glibc's fnmatch, in one run: typical
// patterns over full Windows paths, and adversarial star-heavy patterns where
// a backtracking matcher such as fnmatch takes time exponential in the number
// of stars. Each benchmark times both on the same inputs and prints
// ns_qm, ns_fnmatch (per match) and ratio = ns_qm / ns_fnmatch.
#include <benchmark/benchmark.h>
#include <fnmatch.h>

#include <chrono>
#include <string>
#include <vector>

#include "engine/pattern_matcher.h"

namespace {

using Clock = std::chrono::steady_clock;

// Paths as a snapshot of a busy machine lists them.
std::vector<std::string> TypicalPaths() {
  std::vector<std::string> paths;
  const char* folders[] = {"C:\\WINDOWS\\", "C:\\WINDOWS\\SYSTEM32\\", "C:\\Program Files\\Common Files\\Vendor\\",
                           "D:\\Tools\\Mail\\", "C:\\Program Files\\Office Suite 2000\\Office\\"};
  const char* names[] = {"NOTEPAD.EXE", "explorer.exe", "mailer.exe", "Spreadsheet.EXE", "svchost.exe",
                         "rundll32.exe", "updater.exe", "taskmon.exe", "winword.exe", "defrag.exe"};
  for (int round = 0; round < 6; ++round) {
    for (const char* folder : folders) {
      for (const char* name : names) paths.push_back(std::string(folder) + std::to_string(round) + "\\" + name);
    }
  }
  return paths;  // 300 paths, like a 300-process snapshot
}

struct Timing {
  double qmNs = 0;
  double fnmatchNs = 0;
  long matches = 0;  // both must agree on how many texts matched
};

// One pattern over all texts with both matchers; `compileOnce` reuses one
// PatternMatcher the way the terminator does, else PatternMatches compiles
// per call.
void RunBoth(const std::string& pattern, const std::vector<std::string>& texts, bool compileOnce, Timing& t) {
  long qmMatches = 0;
  long fnMatches = 0;
  auto start = Clock::now();
  if (compileOnce) {
    const qm::PatternMatcher matcher(pattern);
    for (const std::string& text : texts) qmMatches += matcher.Matches(text) ? 1 : 0;
  } else {
    for (const std::string& text : texts) qmMatches += qm::PatternMatches(pattern, text) ? 1 : 0;
  }
  auto middle = Clock::now();
  for (const std::string& text : texts) {
    fnMatches += fnmatch(pattern.c_str(), text.c_str(), FNM_NOESCAPE | FNM_CASEFOLD) == 0 ? 1 : 0;
  }
  auto end = Clock::now();
  t.qmNs += std::chrono::duration<double, std::nano>(middle - start).count();
  t.fnmatchNs += std::chrono::duration<double, std::nano>(end - middle).count();
  t.matches += qmMatches;
  if (qmMatches != fnMatches) t.matches = -1000000;  // shows up in the output
  benchmark::DoNotOptimize(fnMatches);
}

void Report(benchmark::State& state, const Timing& t, double matchesPerIteration) {
  const double runs = static_cast<double>(state.iterations()) * matchesPerIteration;
  state.counters["ns_qm"] = t.qmNs / runs;
  state.counters["ns_fnmatch"] = t.fnmatchNs / runs;
  state.counters["ratio"] = t.qmNs / t.fnmatchNs;
  state.counters["agree"] = t.matches >= 0 ? 1 : 0;
}

const std::vector<std::string> kTypicalPatterns = {
    "*\\NOTEPAD.EXE", "c:\\windows\\system32\\*", "*\\mailer.exe", "*updat?r.exe",
    "C:\\Program Files\\Common Files\\Vendor\\3\\svchost.exe", "*office*\\win*.exe", "*", "D:\\Tools\\*\\*.EXE",
};

void BM_TypicalPatterns(benchmark::State& state) {
  const bool compileOnce = state.range(0) != 0;
  const std::vector<std::string> texts = TypicalPaths();
  Timing t;
  for (auto _ : state) {
    for (const std::string& pattern : kTypicalPatterns) RunBoth(pattern, texts, compileOnce, t);
  }
  Report(state, t, static_cast<double>(kTypicalPatterns.size() * texts.size()));
  state.SetLabel(compileOnce ? "compiled once per pattern" : "PatternMatches per text");
}
BENCHMARK(BM_TypicalPatterns)->Arg(1)->Arg(0);

// Patterns that fail only after trying many places against a run of a's:
//   shape 0: "*a*a...*a*b"     (stars stars, the last b anchored at the end)
//   shape 1: "*a*a...*a*b*"    (the b may stand anywhere)
//   shape 2: "*aaa...ab*"      (one long segment, stars - 1 a's)
// A backtracking matcher tries every split of the a's between the stars.
std::string AdversarialPattern(int stars, int shape) {
  std::string pattern;
  if (shape == 2) return "*" + std::string(static_cast<std::size_t>(stars - 1), 'a') + "b*";
  for (int i = 1; i < stars; ++i) pattern += "*a";
  pattern += shape == 0 ? "*b" : "*b*";
  return pattern;
}

void BM_AdversarialPatterns(benchmark::State& state) {
  const int stars = static_cast<int>(state.range(0));
  const auto length = static_cast<std::size_t>(state.range(1));
  const int shape = static_cast<int>(state.range(2));
  const std::string pattern = AdversarialPattern(stars, shape);
  // Copies, so that reading the clock costs little beside the matching.
  const std::vector<std::string> texts(100, std::string(length, 'a'));
  Timing t;
  for (auto _ : state) RunBoth(pattern, texts, true, t);
  Report(state, t, static_cast<double>(texts.size()));
  state.SetLabel(pattern.substr(0, 24) + (pattern.size() > 24 ? "..." : "") + " on " + std::to_string(length) +
                 " a's");
}
BENCHMARK(BM_AdversarialPatterns)
    ->ArgsProduct({{5, 9}, {64, 259}, {0, 1, 2}})
    ->Unit(benchmark::kMicrosecond);

// The longest patterns the matcher accepts (30 elements after stars) against
// the longest path and a long text; fnmatch is left out here.
void BM_AdversarialMatcherOnly(benchmark::State& state) {
  const std::string pattern = AdversarialPattern(29, static_cast<int>(state.range(1)));
  const qm::PatternMatcher matcher(pattern);
  const std::string text(static_cast<std::size_t>(state.range(0)), 'a');
  for (auto _ : state) benchmark::DoNotOptimize(matcher.Matches(text));
  state.SetLabel("shape " + std::to_string(state.range(1)) + ", " + std::to_string(state.range(0)) + " a's");
}
BENCHMARK(BM_AdversarialMatcherOnly)->ArgsProduct({{259, 20000}, {1, 2}})->Unit(benchmark::kMicrosecond);

}  // namespace
