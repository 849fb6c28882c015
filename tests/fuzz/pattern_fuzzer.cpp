// The pattern matcher. It gives the answer of the plain reference of the
// unit tests, rejects exactly the patterns with more than 30 elements after
// stars (with the position in its message), and one match never takes more
// than 10 ms, also on long patterns and texts built by repeating a piece.
#include <fuzzer/FuzzedDataProvider.h>

#include <time.h>

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <optional>
#include <string>

#include "config/app_error.h"
#include "engine/pattern_matcher.h"
#include "fuzz_support.h"

namespace qm::fuzz {

// In a file of its own, built without the fuzzer's coverage: the reference's
// branches guide nothing and would slow every run.
bool ReferenceMatches(std::string_view pattern, std::string_view text);
std::optional<std::size_t> ReferenceRejectedAt(std::string_view pattern);

namespace {

// A pattern is a value of a .qmf file, which the reader cuts to 2047
// characters; a text is a candidate made of a snapshot row, which is never
// longer than 14 + 19 + 1 + 259 characters. The texts go well beyond that.
constexpr std::size_t kLongestPattern = 2047;
constexpr std::size_t kLongestText = 1024;
// The reference fills a table of pattern x text cells; beyond this it would
// slow the run down more than it finds.
constexpr std::size_t kReferenceCells = std::size_t{1} << 20;
constexpr auto kMatchBudget = std::chrono::milliseconds(10);

// The processor time of this thread: a match that the machine's other work
// interrupted is charged only for its own work.
std::chrono::nanoseconds ThreadTime() {
  timespec now{};
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
  return std::chrono::seconds(now.tv_sec) + std::chrono::nanoseconds(now.tv_nsec);
}

std::string Repeated(const std::string& piece, std::size_t length) {
  if (piece.empty()) return piece;
  std::string text;
  while (text.size() < length) text += piece;
  text.resize(length);
  return text;
}

// Compiles and matches once; nullopt when the pattern is rejected.
std::optional<bool> Match(const std::string& pattern, const std::string& text, std::string& rejection) {
  try {
    return PatternMatches(pattern, text);
  } catch (const AppError& e) {
    rejection = e.what();
    return std::nullopt;
  }
}

}  // namespace
}  // namespace qm::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size) {
  using namespace qm::fuzz;
  FuzzedDataProvider data(bytes, size);
  const bool longPattern = data.ConsumeBool();
  const bool longText = data.ConsumeBool();
  const std::size_t patternLength = data.ConsumeIntegralInRange<std::size_t>(0, kLongestPattern);
  const std::size_t textLength = data.ConsumeIntegralInRange<std::size_t>(0, kLongestText);
  std::string pattern = data.ConsumeRandomLengthString(kLongestPattern);
  std::string text = data.ConsumeRemainingBytesAsString();
  if (longPattern) pattern = Repeated(pattern, patternLength);
  if (longText) text = Repeated(text, textLength);
  if (text.size() > kLongestText) text.resize(kLongestText);

  std::string rejection;
  // A slow match is timed again before it counts, for what the thread's
  // time still holds of the machine's work (cache misses, page faults).
  std::chrono::nanoseconds fastest = std::chrono::nanoseconds::max();
  std::optional<bool> matched;
  for (int attempt = 0; attempt < 3 && fastest > kMatchBudget; ++attempt) {
    const auto start = ThreadTime();
    matched = Match(pattern, text, rejection);
    fastest = std::min(fastest, ThreadTime() - start);
  }
  QM_FUZZ_EXPECT(fastest <= kMatchBudget,
                 "a match took " + std::to_string(std::chrono::duration_cast<std::chrono::microseconds>(fastest).count()) +
                     " us: pattern of " + std::to_string(pattern.size()) + ", text of " + std::to_string(text.size()));

  const auto rejectedAt = ReferenceRejectedAt(pattern);
  if (rejectedAt) {
    // The message is a C string, as the message box shows it: it ends at a
    // NUL of the pattern.
    const std::string message = "'" + pattern + "' is an invalid mask at (" + std::to_string(*rejectedAt) + ")";
    QM_FUZZ_EXPECT(!matched && rejection == message.c_str(), Shown(pattern) + " rejected as: " + Shown(rejection));
    return 0;
  }
  QM_FUZZ_EXPECT(matched.has_value(), Shown(pattern) + " rejected as: " + Shown(rejection));
  if (pattern.size() * text.size() <= kReferenceCells) {
    QM_FUZZ_EXPECT(*matched == ReferenceMatches(pattern, text),
                   "pattern " + Shown(pattern) + " text " + Shown(text));
  }
  return 0;
}
