#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "platform/handles.h"

namespace qm {

// One snapshot row (`ProcessInfo`) is held only as its text, in fixed columns
// that other code reads back by position. Columns below are 0-based offsets.
inline constexpr std::size_t kRowPidWidth = 14;      // process row: pid field
inline constexpr std::size_t kRowWindowPidWidth = 13;  // raw window row: pid field before '^'
inline constexpr std::size_t kRowFileNameWidth = 19;
inline constexpr std::size_t kRowMarkColumn = 13;    // '^' (raw window row) or '*' (unsafe, after display)
inline constexpr std::size_t kRowNameColumn = 14;    // where the name text begins
inline constexpr std::size_t kRowDisplayIndent = 17; // blanks before a displayed window title
inline constexpr std::size_t kRowPidReadWidth = 12;  // how much of the row a pid is read from

// The pid as an unsigned decimal number, never signed.
std::string PidText(ProcessId pid);

struct SplitName {
  std::string directory;  // up to and including the last `\` or `:`; may be empty
  std::string fileName;
};
SplitName SplitFileName(std::string_view fullName);

// "%-14s%-19s %s": pid, file name (not cut when longer), one blank, directory.
std::string FormatProcessRow(ProcessId pid, std::string_view fullName);
// "%-13s^%s": pid, '^', title.
std::string FormatWindowRow(ProcessId pid, std::string_view title);
// A raw window row as it is shown: 17 blanks, then the title; the pid is gone.
std::string DisplayWindowRow(std::string_view rawWindowRow);

bool IsRawWindowRow(std::string_view row);
bool IsDisplayWindowRow(std::string_view row);  // leading blank
bool IsStarredRow(std::string_view row);        // '*' in the mark column
// From the row's 15th character to its end; empty for shorter rows.
std::string_view RowNameText(std::string_view row);
// The first 12 characters, blanks trimmed, as a decimal number; 0 when they
// hold no number (a window row in display form).
ProcessId RowPid(std::string_view row);

}  // namespace qm
