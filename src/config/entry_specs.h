#pragma once

#include <string>
#include <string_view>

// The parsed forms of program and process entries, and the composition of a
// stored text from the fields of the entry dialogs.
namespace qm {

// Show commands handed to the launcher.
inline constexpr int kShowNormal = 1;
inline constexpr int kShowMinimized = 6;
inline constexpr int kShowMaximized = 3;

struct ProgramSpec {
  std::string Path;
  int ShowCommand = kShowNormal;
  std::string Arguments;
  std::string Directory;
  std::string SkipIfRunning;
  std::string Remark;

  bool operator==(const ProgramSpec&) const = default;
};

struct ProcessSpec {
  std::string Pattern;
  bool Harsh = false;
  bool Polite = false;
  bool Learn = false;
  std::string Remark;

  bool operator==(const ProcessSpec&) const = default;
};

// Keywords are compared exactly; unknown ones are ignored. When a keyword
// occurs more than once the occurrence nearest the start of the line counts,
// and so does the nearer of "min" and "max".
ProgramSpec ParseProgramEntry(std::string_view stored);
ProcessSpec ParseProcessEntry(std::string_view stored);

enum class StartMode { Normal, Minimized, Maximized };
enum class TerminationMode { Normal, Harsh, Polite, Learn };

// The fields of the program entry dialog, as typed.
struct ProgramEntryFields {
  std::string Program;
  std::string Arguments;
  std::string Directory;
  std::string SkipIfRunning;
  std::string Remark;
  StartMode Start = StartMode::Normal;

  bool operator==(const ProgramEntryFields&) const = default;
};

// The fields of the process entry dialog, as typed.
struct ProcessEntryFields {
  std::string Pattern;
  TerminationMode Mode = TerminationMode::Normal;
  std::string Remark;

  bool operator==(const ProcessEntryFields&) const = default;
};

// Braces typed into any field become "?". The program fields are taken as
// typed; the pattern is trimmed.
std::string ComposeProgramEntry(const ProgramEntryFields& fields);
std::string ComposeProcessEntry(const ProcessEntryFields& fields);

// The fields an entry dialog shows for a stored text; composing them gives
// that text back for every text the dialog composed. The program field is the
// main part as it stands (the dialog did not trim it); the mode is the one the
// terminator obeys when several are set.
ProgramEntryFields SplitProgramEntry(std::string_view stored);
ProcessEntryFields SplitProcessEntry(std::string_view stored);

}  // namespace qm
