#include "engine/process_row.h"

#include <charconv>

namespace qm {

namespace {

void PadTo(std::string& text, std::size_t width) {
  if (text.size() < width) text.append(width - text.size(), ' ');
}

}  // namespace

std::string PidText(ProcessId pid) { return std::to_string(pid); }

SplitName SplitFileName(std::string_view fullName) {
  const std::size_t cut = fullName.find_last_of("\\:");
  if (cut == std::string_view::npos) return {"", std::string(fullName)};
  return {std::string(fullName.substr(0, cut + 1)), std::string(fullName.substr(cut + 1))};
}

std::string FormatProcessRow(ProcessId pid, std::string_view fullName) {
  const SplitName parts = SplitFileName(fullName);
  std::string row = PidText(pid);
  PadTo(row, kRowPidWidth);
  row += parts.fileName;
  PadTo(row, kRowPidWidth + kRowFileNameWidth);
  row += ' ';
  row += parts.directory;
  return row;
}

std::string FormatWindowRow(ProcessId pid, std::string_view title) {
  std::string row = PidText(pid);
  PadTo(row, kRowWindowPidWidth);
  row += '^';
  row += title;
  return row;
}

std::string DisplayWindowRow(std::string_view rawWindowRow) {
  std::string row(kRowDisplayIndent, ' ');
  row += RowNameText(rawWindowRow);
  return row;
}

bool IsRawWindowRow(std::string_view row) { return row.size() > kRowMarkColumn && row[kRowMarkColumn] == '^'; }

bool IsDisplayWindowRow(std::string_view row) { return !row.empty() && row.front() == ' '; }

bool IsStarredRow(std::string_view row) { return row.size() > kRowMarkColumn && row[kRowMarkColumn] == '*'; }

std::string_view RowNameText(std::string_view row) {
  return row.size() > kRowNameColumn ? row.substr(kRowNameColumn) : std::string_view{};
}

ProcessId RowPid(std::string_view row) {
  std::string_view field = row.substr(0, kRowPidReadWidth);
  const std::size_t first = field.find_first_not_of(' ');
  if (first == std::string_view::npos) return 0;
  field = field.substr(first, field.find_last_not_of(' ') - first + 1);
  ProcessId pid = 0;
  const auto [end, error] = std::from_chars(field.data(), field.data() + field.size(), pid);
  if (error != std::errc{} || end != field.data() + field.size()) return 0;
  return pid;
}

}  // namespace qm
