#pragma once

// What the fuzz targets share: the choice of a check by the input's first
// byte, a property check that stops the run with the values involved, and the
// rule of where a display text gives its stored text back.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <initializer_list>
#include <string>
#include <string_view>

#include "config/entry_grammar.h"

namespace qm::fuzz {

// Bytes outside printable ASCII as \xNN, so a report shows what broke.
inline std::string Shown(std::string_view text) {
  std::string out;
  for (const char c : text) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte >= 0x20 && byte < 0x7F && byte != '\\') {
      out += c;
    } else {
      char escaped[8];
      std::snprintf(escaped, sizeof escaped, "\\x%02X", byte);
      out += escaped;
    }
  }
  return out;
}

[[noreturn]] inline void Fail(const char* property, const std::string& detail) {
  std::fprintf(stderr, "property broken: %s\n%s\n", property, detail.c_str());
  std::abort();  // libFuzzer keeps the input as a crash artifact
}

#define QM_FUZZ_EXPECT(condition, detail)                                 \
  do {                                                                    \
    if (!(condition)) ::qm::fuzz::Fail(#condition, std::string(detail)); \
  } while (0)

// Runs the check that the input's first byte picks on the rest of the input,
// so that one target covers several ways in and seeds say which they take.
using Check = void (*)(FuzzedDataProvider&);
inline int RunPickedCheck(const std::uint8_t* bytes, std::size_t size, std::initializer_list<Check> checks) {
  if (size == 0) return 0;
  FuzzedDataProvider data(bytes + 1, size - 1);
  checks.begin()[bytes[0] % checks.size()](data);
  return 0;
}

// Whether DisplayToStored(StoredToDisplay(x)) gives back the main part `main`
// of an entry (its text without tags). The display puts the file name padded
// to 19 columns before the directory; the way back finds the directory at the
// first non-blank after a blank from column 20 on, short of the last
// character. So it holds when
// - the main part is trimmed and is not itself taken for a tag;
// - the file name has no blank from column 20 on that a non-blank follows
//   (the known ambiguity of long names with blanks); the file name is the
//   whole text when there is no directory, and the directory when the name
//   is empty;
// - a directory before a non-empty name has at least two characters (a lone
//   "\" stands where the walk stops) and the name does not start with a
//   character that trimming would take.
inline bool DisplayKeepsMainPart(std::string_view main) {
  if (Trim(main) != main || WithoutTags(main) != main) return false;
  const std::size_t cut = main.find_last_of("\\:");
  const std::string_view directory = cut == std::string_view::npos ? "" : main.substr(0, cut + 1);
  const std::string_view name = main.substr(directory.size());
  const std::string_view walked = name.empty() ? directory : name;
  // With no directory after it, the walk's last step is one short of the
  // end: a blank may then stand before the last character.
  const std::size_t walkEnd = (name.empty() || directory.empty()) ? walked.size() - (walked.empty() ? 0 : 1)
                                                                   : walked.size();
  bool blankSeen = false;
  for (std::size_t i = kDisplayNameWidth; i < walkEnd; ++i) {
    if (walked[i] == ' ') {
      blankSeen = true;
    } else if (blankSeen) {
      return false;
    }
  }
  if (name.empty() || directory.empty()) return true;
  return directory.size() >= 2 && static_cast<unsigned char>(name.front()) > ' ';
}

}  // namespace qm::fuzz
