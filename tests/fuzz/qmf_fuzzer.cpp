// The .qmf reader and writer. Any bytes load. A document saved and loaded
// back is the same document (settings, both lists, stored texts, check
// marks), whether it came from a load or from values set in the windows, and
// whether it was saved over a file full of junk or into a new one; saving it
// again changes nothing; and a new file holds exactly the lines of the
// settings and entries, so that no value can read back as another key or
// section.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstdint>
#include <string>
#include <vector>

#include "config/config_data.h"
#include "config/config_test_support.h"
#include "config/entry_grammar.h"
#include "config/ini_file.h"
#include "config/memory_entry_list.h"
#include "fuzz_support.h"

namespace qm::fuzz {
namespace {

struct Entry {
  std::string stored;
  bool checked;
  bool operator==(const Entry&) const = default;
};

struct Document {
  bool startWithWindows, quitAfterActivate, activateOnLaunch, hideErrors;
  std::int32_t messageDelay;
  bool hideSplashscreen;
  std::int32_t startLocation, doubleClickAction, startState;
  bool browseKillDefaultChecks;
  std::string onIcon, offIcon, onTooltip, offTooltip;
  std::vector<Entry> run, terminate;
  bool operator==(const Document&) const = default;
};

std::string Describe(const Document& d) {
  std::string text = std::to_string(d.startWithWindows) + std::to_string(d.quitAfterActivate) +
                     std::to_string(d.activateOnLaunch) + std::to_string(d.hideErrors) + " " +
                     std::to_string(d.messageDelay) + " " + std::to_string(d.hideSplashscreen) + " " +
                     std::to_string(d.startLocation) + " " + std::to_string(d.doubleClickAction) + " " +
                     std::to_string(d.startState) + " " + std::to_string(d.browseKillDefaultChecks) + "\n[" +
                     Shown(d.onIcon) + "]\n[" + Shown(d.offIcon) + "]\n[" + Shown(d.onTooltip) + "]\n[" +
                     Shown(d.offTooltip) + "]\n";
  for (const auto* list : {&d.run, &d.terminate}) {
    text += "list of " + std::to_string(list->size()) + "\n";
    for (const Entry& e : *list) text += (e.checked ? "1 [" : "0 [") + Shown(e.stored) + "]\n";
  }
  return text;
}

std::vector<Entry> EntriesOf(const EntryList& list) {
  std::vector<Entry> entries;
  for (std::size_t i = 0; i < list.Count(); ++i) {
    QM_FUZZ_EXPECT(list.DisplayText(i) == StoredToDisplay(list.StoredText(i)), Shown(list.StoredText(i)));
    entries.push_back({list.StoredText(i), list.Checked(i)});
  }
  return entries;
}

// A document in memory with its two lists, saved and loaded through a map of
// files.
struct Workspace {
  test::MemoryFileStore store;
  MemoryEntryList run;
  MemoryEntryList terminate;
  TConfigData config{run, terminate, store};

  Document Snapshot() const {
    const TConfigData& c = config;
    return {c.Start_with_windows, c.Quit_after_activate, c.Activate_onLaunch, c.Hide_errors, c.Message_Delay,
            c.Hide_Splashscreen,  c.Start_Location,      c.DoubleClick_Action, c.Start_State, c.BrowseKill_DefaultChecks,
            c.Alternate_On_Icon,  c.Alternate_Off_Icon,  c.On_Tooltip,         c.Off_Tooltip, EntriesOf(run),
            EntriesOf(terminate)};
  }
  void Set(const Document& d) {
    TConfigData& c = config;
    c.Start_with_windows = d.startWithWindows;
    c.Quit_after_activate = d.quitAfterActivate;
    c.Activate_onLaunch = d.activateOnLaunch;
    c.Hide_errors = d.hideErrors;
    c.Message_Delay = d.messageDelay;
    c.Hide_Splashscreen = d.hideSplashscreen;
    c.Start_Location = d.startLocation;
    c.DoubleClick_Action = d.doubleClickAction;
    c.Start_State = d.startState;
    c.BrowseKill_DefaultChecks = d.browseKillDefaultChecks;
    c.Alternate_On_Icon = d.onIcon;
    c.Alternate_Off_Icon = d.offIcon;
    c.On_Tooltip = d.onTooltip;
    c.Off_Tooltip = d.offTooltip;
    run.Clear();
    terminate.Clear();
    for (const Entry& e : d.run) run.AppendStored(e.stored, e.checked);
    for (const Entry& e : d.terminate) terminate.AppendStored(e.stored, e.checked);
  }
  std::string Save(const std::string& path) {
    config.SaveToFile(path);
    return store.files[path];
  }
  Document Load(const std::string& path) {
    config.Reset();
    config.LoadFromFile(path);
    return Snapshot();
  }
};

// The lines a save into a new file writes, each checked for its section
// header or its key; a value that broke its line or posed as a header would
// show up as a line too many or one that starts wrong.
void ExpectOnlyOwnLines(const std::string& text, const Document& d) {
  std::vector<std::string> expected = {
      "[Quellmarch]",       "FileVersion=",        "[Startup_Options]",        "Start_with_windows=",
      "Hide_Splashscreen=", "Quit_after_activate=", "Activate_onLaunch=",       "Start_Location=",
      "Start_State=",       "[Configuration]",      "DoubleClick_Action=",      "BrowseKill_DefaultChecks=",
      "Hide_errors=",       "Message_Delay=",       "[Icons]",                  "Alternate_On_Icon=",
      "Alternate_Off_Icon=", "On_Tooltip=",         "Off_Tooltip="};
  const auto addList = [&expected](const char* header, std::size_t count) {
    if (count > 0) expected.push_back(header);
    for (std::size_t i = 0; i < count; ++i) expected.push_back(std::to_string(i) + "=");
  };
  addList("[Run_Programs]", d.run.size());
  addList("[Terminate_Processes]", d.terminate.size());

  std::size_t pos = 0;
  for (const std::string& start : expected) {
    const std::size_t end = text.find("\r\n", pos);
    QM_FUZZ_EXPECT(end != std::string::npos, "missing line " + start);
    const std::string line = text.substr(pos, end - pos);
    QM_FUZZ_EXPECT(line.find_first_of("\r\n") == std::string::npos, Shown(line));
    const bool header = start.front() == '[';
    QM_FUZZ_EXPECT(header ? line == start : line.compare(0, start.size(), start) == 0,
                   "expected " + start + " got " + Shown(line));
    pos = end + 2;
  }
  QM_FUZZ_EXPECT(pos == text.size(), "extra lines: " + Shown(text.substr(pos)));
}

// What a value set in the windows reads back as: a line break would split
// its line and is written as a blank, and a value is cut where the reader
// cuts it.
std::string AsSaved(std::string value, std::size_t limit) {
  for (char& c : value) {
    if (c == '\r' || c == '\n') c = ' ';
  }
  if (value.size() > limit) value.resize(limit);
  return value;
}

Document ExpectedAfterSave(Document d) {
  for (std::string* text : {&d.onIcon, &d.offIcon, &d.onTooltip, &d.offTooltip}) {
    *text = AsSaved(*text, IniFile::kMaxValueLength);
  }
  for (auto* list : {&d.run, &d.terminate}) {
    for (Entry& e : *list) {
      // The checked flag and its blank take two characters of the value; a
      // text of nothing but blanks is the empty entry.
      e.stored = AsSaved(e.stored, IniFile::kMaxValueLength - 2);
      if (Trim(e.stored).empty()) e.stored.clear();
    }
  }
  return d;
}

Document DocumentFrom(FuzzedDataProvider& data) {
  Document d{};
  d.startWithWindows = data.ConsumeBool();
  d.quitAfterActivate = data.ConsumeBool();
  d.activateOnLaunch = data.ConsumeBool();
  d.hideErrors = data.ConsumeBool();
  d.messageDelay = data.ConsumeIntegral<std::int32_t>();
  d.hideSplashscreen = data.ConsumeBool();
  d.startLocation = data.ConsumeIntegral<std::int32_t>();
  d.doubleClickAction = data.ConsumeIntegral<std::int32_t>();
  d.startState = data.ConsumeIntegral<std::int32_t>();
  d.browseKillDefaultChecks = data.ConsumeBool();
  d.onIcon = data.ConsumeRandomLengthString(3000);
  d.offIcon = data.ConsumeRandomLengthString(3000);
  d.onTooltip = data.ConsumeRandomLengthString(3000);
  d.offTooltip = data.ConsumeRandomLengthString(3000);
  for (auto* list : {&d.run, &d.terminate}) {
    const std::size_t count = data.ConsumeIntegralInRange<std::size_t>(0, 12);
    for (std::size_t i = 0; i < count; ++i) {
      const bool checked = data.ConsumeBool();
      list->push_back({data.ConsumeRandomLengthString(3000), checked});
    }
  }
  return d;
}

// Saves `saved`, loads it back as `expected`; a document that needed no
// change on the way then saves to the very same file again.
void CheckSaveAndLoad(Workspace& w, const Document& saved, const Document& expected, const std::string& path) {
  w.Set(saved);
  const std::string text = w.Save(path);
  const Document loaded = w.Load(path);
  QM_FUZZ_EXPECT(loaded == expected, "saved:\n" + Describe(saved) + "loaded:\n" + Describe(loaded) +
                                         "file:\n" + Shown(text));
  if (saved != expected) return;
  w.Set(loaded);
  QM_FUZZ_EXPECT(w.Save(path) == text, "a second save changed the file:\n" + Shown(text));
}

// The input is a file: it loads, and what loaded saves and loads back, over
// the file itself and into a new one.
void CheckFile(FuzzedDataProvider& data) {
  Workspace w;
  w.store.files["input.qmf"] = data.ConsumeRemainingBytesAsString();
  const Document loaded = w.Load("input.qmf");
  CheckSaveAndLoad(w, loaded, loaded, "input.qmf");
  CheckSaveAndLoad(w, loaded, loaded, "new.qmf");
  ExpectOnlyOwnLines(w.store.files["new.qmf"], loaded);
}

// The input is values a user set, saved into a new file and over the rest of
// the input as an existing file.
void CheckValuesSet(FuzzedDataProvider& data) {
  Workspace w;
  const Document set = DocumentFrom(data);
  const Document expected = ExpectedAfterSave(set);
  CheckSaveAndLoad(w, set, expected, "new.qmf");
  ExpectOnlyOwnLines(w.store.files["new.qmf"], expected);
  w.store.files["old.qmf"] = data.ConsumeRemainingBytesAsString();
  CheckSaveAndLoad(w, set, expected, "old.qmf");
}

}  // namespace
}  // namespace qm::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size) {
  using namespace qm::fuzz;
  return RunPickedCheck(bytes, size, {CheckFile, CheckValuesSet});
}

