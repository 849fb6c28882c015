#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace qm {

// An ini text held in memory: parsed once, read and changed by section and
// key, and written back as a whole. It behaves like the Windows profile
// functions where the configuration relies on them:
// - section and key names match without regard to ASCII letter case, and the
//   first of two equal sections (or keys of a section) is the one read and
//   written;
// - a value reads without its surrounding blanks and one pair of enclosing
//   quotes (single or double), cut to kMaxValueLength characters;
// - a write replaces the value in place, or adds the key after the last line
//   of its section, or adds the section at the end;
// - lines it is not asked about stay as they were: foreign sections and keys,
//   comments, blank lines, keys before the first section.
// It takes CR LF, LF and lone CR line ends and a leading UTF-8 byte-order mark,
// and writes CR LF.
class IniFile {
 public:
  static constexpr std::size_t kMaxValueLength = 2047;

  IniFile();
  static IniFile Parse(std::string_view contents);

  std::string ReadString(std::string_view section, std::string_view key, std::string_view defaultValue) const;
  bool HasSection(std::string_view section) const;

  // Line breaks in names or value become blanks: they would split the line.
  // A value that would lose blanks, control characters or quotes at its ends
  // when read is written in double quotes, so it reads back as given.
  void WriteString(std::string_view section, std::string_view key, std::string_view value);
  // Removes the header and every line of the first section of that name.
  void EraseSection(std::string_view section);

  std::string ToText() const;

 private:
  struct Line {
    std::string text;
    std::size_t equals;  // position of the first "=", npos when the line is no key
  };
  struct Section {
    std::string header;      // the header line as read; empty for the lines before the first header
    std::string foldedName;  // the name, trimmed and in lower case
    bool erased = false;
    std::vector<Line> lines;
    // Folded key -> index of its first line; built on the first lookup.
    mutable std::optional<std::unordered_map<std::string, std::size_t>> keyIndex;
  };

  std::vector<std::size_t>& SectionsNamed(const std::string& foldedName) const;
  const Section* FindSection(std::string_view name) const;
  Section& FindOrAddSection(std::string_view name);
  static const std::unordered_map<std::string, std::size_t>& KeyIndex(const Section& section);

  std::vector<Section> sections_;  // sections_[0] holds the lines before the first header
  // Folded name -> indexes of the live sections of that name in file order;
  // an entry is built on the first lookup of its name and kept up to date.
  mutable std::unordered_map<std::string, std::vector<std::size_t>> sectionsByName_;
  bool byteOrderMark_ = false;
};

}  // namespace qm
