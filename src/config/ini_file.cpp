#include "config/ini_file.h"

#include <algorithm>

#include "config/entry_grammar.h"

namespace qm {

namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

std::string Fold(std::string_view name) {
  std::string folded = Trim(name);
  for (char& c : folded) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  }
  return folded;
}

bool IsBlankLine(std::string_view text) { return Trim(text).empty(); }

// The name between "[" and the last "]" when the line is a section header.
std::optional<std::string_view> HeaderName(std::string_view line) {
  std::size_t first = 0;
  while (first < line.size() && static_cast<unsigned char>(line[first]) <= ' ') ++first;
  if (first == line.size() || line[first] != '[') return std::nullopt;
  const std::size_t close = line.rfind(']');
  if (close == std::string_view::npos || close < first) return std::nullopt;
  return line.substr(first + 1, close - first - 1);
}

std::string WithoutLineBreaks(std::string_view text) {
  std::string result(text);
  std::replace_if(result.begin(), result.end(), [](char c) { return c == '\r' || c == '\n'; }, ' ');
  return result;
}

bool IsQuoted(std::string_view value) {
  return value.size() >= 2 && (value.front() == '"' || value.front() == '\'') && value.back() == value.front();
}

std::string Unquote(std::string value) { return IsQuoted(value) ? value.substr(1, value.size() - 2) : value; }

// The value as it must stand in its line to read back unchanged: the reader
// trims blanks and control characters and takes off one pair of quotes, so a
// value that has either at its ends is written inside double quotes.
std::string AsWritten(std::string value) {
  if (value.empty() || (Trim(value).size() == value.size() && !IsQuoted(value))) return value;
  return '"' + value + '"';
}

}  // namespace

IniFile::IniFile() { sections_.emplace_back(); }

IniFile IniFile::Parse(std::string_view contents) {
  IniFile ini;
  if (contents.substr(0, kByteOrderMark.size()) == kByteOrderMark) {
    ini.byteOrderMark_ = true;
    contents.remove_prefix(kByteOrderMark.size());
  }
  std::size_t pos = 0;
  while (pos < contents.size()) {
    std::size_t end = contents.find_first_of("\r\n", pos);
    if (end == std::string_view::npos) end = contents.size();
    const std::string_view line = contents.substr(pos, end - pos);
    pos = end;
    if (pos < contents.size()) pos += (contents[pos] == '\r' && pos + 1 < contents.size() && contents[pos + 1] == '\n') ? 2 : 1;

    if (const auto name = HeaderName(line)) {
      Section& section = ini.sections_.emplace_back();
      section.header = std::string(line);
      section.foldedName = Fold(*name);
    } else {
      ini.sections_.back().lines.push_back(Line{std::string(line), line.find('=')});
    }
  }
  return ini;
}

std::vector<std::size_t>& IniFile::SectionsNamed(const std::string& foldedName) const {
  auto found = sectionsByName_.find(foldedName);
  if (found != sectionsByName_.end()) return found->second;
  std::vector<std::size_t> indexes;
  for (std::size_t i = 1; i < sections_.size(); ++i) {
    if (!sections_[i].erased && sections_[i].foldedName == foldedName) indexes.push_back(i);
  }
  return sectionsByName_.emplace(foldedName, std::move(indexes)).first->second;
}

const IniFile::Section* IniFile::FindSection(std::string_view name) const {
  const std::vector<std::size_t>& indexes = SectionsNamed(Fold(name));
  return indexes.empty() ? nullptr : &sections_[indexes.front()];
}

IniFile::Section& IniFile::FindOrAddSection(std::string_view name) {
  const std::string clean = WithoutLineBreaks(name);
  std::vector<std::size_t>& indexes = SectionsNamed(Fold(clean));
  if (!indexes.empty()) return sections_[indexes.front()];
  indexes.push_back(sections_.size());
  Section& section = sections_.emplace_back();
  section.header = "[" + clean + "]";
  section.foldedName = Fold(clean);
  section.keyIndex.emplace();
  return section;
}

const std::unordered_map<std::string, std::size_t>& IniFile::KeyIndex(const Section& section) {
  if (!section.keyIndex) {
    section.keyIndex.emplace();
    for (std::size_t i = 0; i < section.lines.size(); ++i) {
      const Line& line = section.lines[i];
      if (line.equals != std::string::npos) {
        section.keyIndex->emplace(Fold(std::string_view(line.text).substr(0, line.equals)), i);
      }
    }
  }
  return *section.keyIndex;
}

std::string IniFile::ReadString(std::string_view section, std::string_view key, std::string_view defaultValue) const {
  const Section* found = FindSection(section);
  if (found == nullptr) return std::string(defaultValue);
  const auto& keys = KeyIndex(*found);
  const auto line = keys.find(Fold(key));
  if (line == keys.end()) return std::string(defaultValue);
  const Line& entry = found->lines[line->second];
  std::string value = Unquote(Trim(std::string_view(entry.text).substr(entry.equals + 1)));
  if (value.size() > kMaxValueLength) value.resize(kMaxValueLength);
  return value;
}

bool IniFile::HasSection(std::string_view section) const { return FindSection(section) != nullptr; }

void IniFile::WriteString(std::string_view section, std::string_view key, std::string_view value) {
  Section& target = FindOrAddSection(section);
  const std::string cleanKey = WithoutLineBreaks(key);
  const std::string cleanValue = AsWritten(WithoutLineBreaks(value));
  const auto& keys = KeyIndex(target);
  const auto existing = keys.find(Fold(cleanKey));
  if (existing != keys.end()) {
    Line& line = target.lines[existing->second];
    // The key keeps the spelling the file gave it.
    std::string text = Trim(std::string_view(line.text).substr(0, line.equals));
    line.equals = text.size();
    text += '=';
    text += cleanValue;
    line.text = std::move(text);
    return;
  }
  // After the section's last non-blank line, so that blank lines that part
  // it from the next section stay where they are.
  std::size_t at = target.lines.size();
  while (at > 0 && IsBlankLine(target.lines[at - 1].text)) --at;
  target.lines.insert(target.lines.begin() + static_cast<std::ptrdiff_t>(at),
                      Line{cleanKey + "=" + cleanValue, cleanKey.size()});
  target.keyIndex->emplace(Fold(cleanKey), at);
}

void IniFile::EraseSection(std::string_view section) {
  std::vector<std::size_t>& indexes = SectionsNamed(Fold(section));
  if (indexes.empty()) return;
  Section& erased = sections_[indexes.front()];
  erased.erased = true;
  erased.lines.clear();
  erased.lines.shrink_to_fit();
  erased.keyIndex.reset();
  indexes.erase(indexes.begin());
}

std::string IniFile::ToText() const {
  std::size_t size = byteOrderMark_ ? kByteOrderMark.size() : 0;
  for (const Section& section : sections_) {
    if (section.erased) continue;
    if (!section.header.empty()) size += section.header.size() + 2;
    for (const Line& line : section.lines) size += line.text.size() + 2;
  }
  std::string text;
  text.reserve(size);
  if (byteOrderMark_) text += kByteOrderMark;
  for (const Section& section : sections_) {
    if (section.erased) continue;
    if (!section.header.empty()) {
      text += section.header;
      text += "\r\n";
    }
    for (const Line& line : section.lines) {
      text += line.text;
      text += "\r\n";
    }
  }
  return text;
}

}  // namespace qm
