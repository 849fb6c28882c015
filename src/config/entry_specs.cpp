#include "config/entry_specs.h"

#include "config/entry_grammar.h"

namespace qm {

// Tags are peeled from the end of the line, so letting every later-peeled
// occurrence overwrite the earlier one makes the one nearest the start win.

ProgramSpec ParseProgramEntry(std::string_view stored) {
  ProgramSpec spec;
  std::string rest(stored);
  std::string keyword;
  std::string value;
  while (PeelTag(rest, keyword, value)) {
    if (keyword == "min") {
      spec.ShowCommand = kShowMinimized;
    } else if (keyword == "max") {
      spec.ShowCommand = kShowMaximized;
    } else if (keyword == "arg") {
      spec.Arguments = value;
    } else if (keyword == "dir") {
      spec.Directory = value;
    } else if (keyword == "nop") {
      spec.SkipIfRunning = value;
    } else if (keyword == "rem") {
      spec.Remark = value;
    }
  }
  spec.Path = Trim(rest);
  return spec;
}

ProcessSpec ParseProcessEntry(std::string_view stored) {
  ProcessSpec spec;
  std::string rest(stored);
  std::string keyword;
  std::string value;
  while (PeelTag(rest, keyword, value)) {
    if (keyword == "harsh") {
      spec.Harsh = true;
    } else if (keyword == "polite") {
      spec.Polite = true;
    } else if (keyword == "learn") {
      spec.Learn = true;
    } else if (keyword == "rem") {
      spec.Remark = value;
    }
  }
  spec.Pattern = Trim(rest);
  return spec;
}

namespace {

void AppendValueTag(std::string& stored, std::string_view keyword, std::string_view field) {
  if (field.empty()) return;
  stored += " {";
  stored += keyword;
  stored += ' ';
  stored += ReplaceBraces(field);
  stored += '}';
}

}  // namespace

std::string ComposeProgramEntry(const ProgramEntryFields& fields) {
  std::string stored = ReplaceBraces(fields.Program);
  AppendValueTag(stored, "arg", fields.Arguments);
  AppendValueTag(stored, "dir", fields.Directory);
  AppendValueTag(stored, "nop", fields.SkipIfRunning);
  AppendValueTag(stored, "rem", fields.Remark);
  if (fields.Start == StartMode::Minimized) {
    stored += " {min}";
  } else if (fields.Start == StartMode::Maximized) {
    stored += " {max}";
  }
  return stored;
}

std::string ComposeProcessEntry(const ProcessEntryFields& fields) {
  std::string stored = Trim(ReplaceBraces(fields.Pattern));
  switch (fields.Mode) {
    case TerminationMode::Harsh: stored += " {harsh}"; break;
    case TerminationMode::Polite: stored += " {polite}"; break;
    case TerminationMode::Learn: stored += " {learn}"; break;
    case TerminationMode::Normal: break;
  }
  AppendValueTag(stored, "rem", fields.Remark);
  return stored;
}

namespace {

StartMode StartModeOf(int showCommand) {
  if (showCommand == kShowMinimized) return StartMode::Minimized;
  if (showCommand == kShowMaximized) return StartMode::Maximized;
  return StartMode::Normal;
}

TerminationMode TerminationModeOf(const ProcessSpec& spec) {
  if (spec.Learn) return TerminationMode::Learn;
  if (spec.Harsh) return TerminationMode::Harsh;
  if (spec.Polite) return TerminationMode::Polite;
  return TerminationMode::Normal;
}

}  // namespace

ProgramEntryFields SplitProgramEntry(std::string_view stored) {
  const ProgramSpec spec = ParseProgramEntry(stored);
  return ProgramEntryFields{WithoutTags(stored), spec.Arguments, spec.Directory, spec.SkipIfRunning, spec.Remark,
                            StartModeOf(spec.ShowCommand)};
}

ProcessEntryFields SplitProcessEntry(std::string_view stored) {
  const ProcessSpec spec = ParseProcessEntry(stored);
  return ProcessEntryFields{spec.Pattern, TerminationModeOf(spec), spec.Remark};
}

}  // namespace qm
