// The entry line grammar. PeelTag ends and takes exactly one tag off the end;
// a stored text survives StoredToDisplay then DisplayToStored wherever the
// display layout can carry its main part; composing an entry from the
// dialog fields and splitting it gives the fields back; and nothing crashes
// on any text.
#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "config/entry_grammar.h"
#include "config/entry_specs.h"
#include "fuzz_support.h"

namespace qm::fuzz {
namespace {

void CheckPeelTag(const std::string& original) {
  std::string text = original;
  std::string keyword = "stale";
  std::string value = "stale";
  if (!PeelTag(text, keyword, value)) {
    QM_FUZZ_EXPECT(text == original && keyword.empty() && value.empty(), Shown(original));
    return;
  }
  QM_FUZZ_EXPECT(text.size() < original.size() && original.compare(0, text.size(), text) == 0, Shown(original));
  QM_FUZZ_EXPECT(keyword.find_first_of(" {") == std::string::npos && value.find('{') == std::string::npos,
                 Shown(original));
  // What went is one character (the tag's blank, normally), then the tag.
  const std::string tail = original.substr(text.size());
  const std::string tag = "{" + keyword + (value.empty() ? "" : " " + value) + "}";
  const std::string tagWithBlank = "{" + keyword + " }";
  const bool whole = tail.ends_with(tag) && tail.size() - tag.size() <= 1;
  const bool blankValue = value.empty() && tail.ends_with(tagWithBlank) && tail.size() - tagWithBlank.size() <= 1;
  QM_FUZZ_EXPECT(whole || blankValue, Shown(original) + " peeled to " + Shown(text));
}

// Any text: peeling ends after at most one tag per two characters, and the
// conversions and parsers take it.
void CheckAnyText(FuzzedDataProvider& data) {
  const int width = data.ConsumeIntegralInRange<int>(-20, 200);
  const std::string text = data.ConsumeRemainingBytesAsString();
  CheckPeelTag(text);
  std::string rest = text;
  std::string keyword;
  std::string value;
  std::size_t peeled = 0;
  while (PeelTag(rest, keyword, value)) QM_FUZZ_EXPECT(++peeled <= text.size() / 2, Shown(text));

  const std::string display = StoredToDisplay(text);
  (void)DisplayToStored(display);
  (void)DisplayToStored(text);
  (void)ParseProgramEntry(text);
  (void)ParseProcessEntry(text);
  (void)SplitProgramEntry(text);
  (void)SplitProcessEntry(text);

  const std::string replaced = ReplaceBraces(text);
  QM_FUZZ_EXPECT(replaced.size() == text.size() && replaced.find_first_of("{}") == std::string::npos, Shown(text));
  const std::string shortened = Abbreviate(text, width);
  if (width >= 0 && text.size() <= static_cast<std::size_t>(width)) {
    QM_FUZZ_EXPECT(shortened == text, Shown(text));
  } else {
    QM_FUZZ_EXPECT(shortened.starts_with(text.substr(0, 5) + "...") && shortened.size() <= static_cast<std::size_t>(std::max(width - 1, 8)),
                   Shown(text) + " width " + std::to_string(width));
  }
}

// A stored text built from a main part and well-formed tags.
void CheckRoundTrip(FuzzedDataProvider& data) {
  const std::string main = data.ConsumeRandomLengthString(300);
  std::string stored = main;
  const std::size_t tagCount = data.ConsumeIntegralInRange<std::size_t>(0, 4);
  for (std::size_t i = 0; i < tagCount; ++i) {
    std::string keyword = data.ConsumeRandomLengthString(12);
    std::string value = data.ConsumeRandomLengthString(60);
    std::erase_if(keyword, [](char c) { return c == ' ' || c == '{'; });
    std::erase(value, '{');
    stored += RenderTag(keyword, value);
  }
  const std::string back = DisplayToStored(StoredToDisplay(stored));
  if (DisplayKeepsMainPart(main)) {
    QM_FUZZ_EXPECT(back == stored, Shown(stored) + " came back as " + Shown(back));
  }
}

// The dialogs compose an entry from their fields and split it again to edit
// it; the fields come back as the dialog holds them (braces turned into "?",
// the pattern trimmed), and the same holds through the list's display text
// where the display carries the main part.
void CheckDialogFields(FuzzedDataProvider& data) {
  ProgramEntryFields program;
  program.Program = data.ConsumeRandomLengthString(120);
  program.Arguments = data.ConsumeRandomLengthString(60);
  program.Directory = data.ConsumeRandomLengthString(60);
  program.SkipIfRunning = data.ConsumeRandomLengthString(60);
  program.Remark = data.ConsumeRandomLengthString(60);
  program.Start = data.PickValueInArray({StartMode::Normal, StartMode::Minimized, StartMode::Maximized});
  ProcessEntryFields process;
  process.Pattern = data.ConsumeRandomLengthString(120);
  process.Mode = data.PickValueInArray(
      {TerminationMode::Normal, TerminationMode::Harsh, TerminationMode::Polite, TerminationMode::Learn});
  process.Remark = data.ConsumeRandomLengthString(60);

  ProgramEntryFields programHeld = program;
  for (std::string* field : {&programHeld.Program, &programHeld.Arguments, &programHeld.Directory,
                             &programHeld.SkipIfRunning, &programHeld.Remark}) {
    *field = ReplaceBraces(*field);
  }
  ProcessEntryFields processHeld = process;
  processHeld.Pattern = Trim(ReplaceBraces(process.Pattern));
  processHeld.Remark = ReplaceBraces(process.Remark);

  const std::string programStored = ComposeProgramEntry(program);
  QM_FUZZ_EXPECT(SplitProgramEntry(programStored) == programHeld, Shown(programStored));
  if (DisplayKeepsMainPart(programHeld.Program)) {
    QM_FUZZ_EXPECT(SplitProgramEntry(DisplayToStored(StoredToDisplay(programStored))) == programHeld,
                   Shown(programStored));
  }
  const std::string processStored = ComposeProcessEntry(process);
  QM_FUZZ_EXPECT(SplitProcessEntry(processStored) == processHeld, Shown(processStored));
  if (DisplayKeepsMainPart(processHeld.Pattern)) {
    QM_FUZZ_EXPECT(SplitProcessEntry(DisplayToStored(StoredToDisplay(processStored))) == processHeld,
                   Shown(processStored));
  }
}

}  // namespace
}  // namespace qm::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size) {
  using namespace qm::fuzz;
  return RunPickedCheck(bytes, size, {CheckAnyText, CheckRoundTrip, CheckDialogFields});
}
