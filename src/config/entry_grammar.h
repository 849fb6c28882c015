#pragma once

#include <string>
#include <string_view>

// An entry line has two forms. The stored text (what the .qmf file holds and
// the engine parses) is the main part followed by tags: " {keyword}" or
// " {keyword value}". The display text (what the check lists show in a
// fixed-pitch font) is the file name padded to a column, a blank, the
// directory, then - only when there are tags - far-right padding and the tags
// in reverse order.
namespace qm {

// Width of the file-name column of a display text.
inline constexpr std::size_t kDisplayNameWidth = 19;
// Blanks between the directory and the tags of a display text; they push the
// tags beyond the visible width of the lists.
inline constexpr std::size_t kDisplayTagGap = 202;

// Removes leading and trailing blanks and control characters (every byte up
// to and including the blank; bytes of 0x80 and above are text).
std::string Trim(std::string_view text);

// Removes the last tag of `text` in place and hands back its keyword and its
// value. The character just before the "{" goes with the tag: in a well-formed
// line that is the tag's blank. False, with `text` unchanged and keyword and
// value empty, when the text does not end in a tag.
bool PeelTag(std::string& text, std::string& keyword, std::string& value);

// The text with every tag peeled off, not trimmed.
std::string WithoutTags(std::string_view text);

// " {keyword}" for an empty value, else " {keyword value}".
std::string RenderTag(std::string_view keyword, std::string_view value);

std::string StoredToDisplay(std::string_view stored);
std::string DisplayToStored(std::string_view display);

// Every "{" and "}" becomes "?", so that no field typed by the user can open
// or close a tag.
std::string ReplaceBraces(std::string_view text);

// Shortens a text for a status line of `width` columns: the first 5
// characters, "...", and the last width - 9 characters. A text of at most
// `width` characters is returned unchanged.
std::string Abbreviate(std::string_view text, int width);

}  // namespace qm
