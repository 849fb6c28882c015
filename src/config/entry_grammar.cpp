#include "config/entry_grammar.h"

#include <algorithm>

namespace qm {

namespace {

bool IsTrimmed(char c) { return static_cast<unsigned char>(c) <= ' '; }

}  // namespace

std::string Trim(std::string_view text) {
  std::size_t first = 0;
  std::size_t last = text.size();
  while (first < last && IsTrimmed(text[first])) ++first;
  while (last > first && IsTrimmed(text[last - 1])) --last;
  return std::string(text.substr(first, last - first));
}

bool PeelTag(std::string& text, std::string& keyword, std::string& value) {
  keyword.clear();
  value.clear();
  const std::size_t n = text.size();
  if (n == 0 || text[n - 1] != '}') return false;
  // Positions below are 0-based; `open` ends on the "{" and `blank` on the
  // first blank after it, because every blank passed on the way back moves it.
  std::size_t blank = n - 1;
  std::size_t open = n - 1;
  bool found = false;
  while (open > 0) {
    --open;
    if (text[open] == ' ') {
      blank = open;
    } else if (text[open] == '{') {
      found = true;
      break;
    }
  }
  if (!found) return false;
  keyword = text.substr(open + 1, blank - open - 1);
  if (blank < n - 1) value = text.substr(blank + 1, n - 2 - blank);
  text.resize(open >= 1 ? open - 1 : 0);
  return true;
}

std::string WithoutTags(std::string_view text) {
  std::string rest(text);
  std::string keyword;
  std::string value;
  while (PeelTag(rest, keyword, value)) {
  }
  return rest;
}

std::string RenderTag(std::string_view keyword, std::string_view value) {
  std::string tag = " {";
  tag += keyword;
  if (!value.empty()) {
    tag += ' ';
    tag += value;
  }
  tag += '}';
  return tag;
}

namespace {

// Peels every tag off `text` and returns them rendered, the last tag of the
// input first. Emitting them reversed is what lets the two conversions undo
// each other: each one reverses the order once.
std::string PeelAllTags(std::string& text) {
  std::string tags;
  std::string keyword;
  std::string value;
  while (PeelTag(text, keyword, value)) tags += RenderTag(keyword, value);
  return tags;
}

}  // namespace

std::string StoredToDisplay(std::string_view stored) {
  std::string rest(stored);
  const std::string tags = PeelAllTags(rest);
  const std::string main = Trim(rest);

  const std::size_t cut = main.find_last_of("\\:");
  const std::size_t nameStart = cut == std::string::npos ? 0 : cut + 1;
  std::string display = main.substr(nameStart);
  if (display.size() < kDisplayNameWidth) display.resize(kDisplayNameWidth, ' ');
  display += ' ';
  display.append(main, 0, nameStart);
  if (!tags.empty()) {
    display.append(kDisplayTagGap, ' ');
    display += tags;
  }
  return display;
}

std::string DisplayToStored(std::string_view display) {
  std::string rest(display);
  const std::string tags = PeelAllTags(rest);
  std::string main = Trim(rest);

  // The directory starts at the first non-blank after a blank from column 20
  // on. The walk stops short of the last character, so a single character
  // after the last blank stays with the name ("Spreadsheet-Editor-Pro 2").
  // Patterns picked from snapshot rows were made with this very rule and are
  // matched against rows converted with it, so it must not change.
  if (main.size() >= kDisplayNameWidth) {
    bool blankSeen = false;
    for (std::size_t p = kDisplayNameWidth; p + 1 < main.size(); ++p) {
      if (main[p] == ' ') {
        blankSeen = true;
      } else if (blankSeen) {
        main = Trim(main.substr(p) + main.substr(0, p));
        break;
      }
    }
  }
  return main + tags;
}

std::string ReplaceBraces(std::string_view text) {
  std::string result(text);
  std::replace_if(result.begin(), result.end(), [](char c) { return c == '{' || c == '}'; }, '?');
  return result;
}

std::string Abbreviate(std::string_view text, int width) {
  if (width >= 0 && text.size() <= static_cast<std::size_t>(width)) return std::string(text);
  const std::size_t tail = std::min<std::size_t>(width > 9 ? static_cast<std::size_t>(width - 9) : 0, text.size());
  std::string result(text.substr(0, 5));
  result += "...";
  result += text.substr(text.size() - tail);
  return result;
}

}  // namespace qm
