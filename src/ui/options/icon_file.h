// Whether the bytes of a file make an icon the tray and the window can show.
// The check runs before a path is taken into the document, so a file that
// cannot be shown never becomes part of a configuration.
#pragma once

#include <string_view>

namespace qm {

// True for a well-formed .ico file: the icon header, every image lying inside
// the file as a bitmap or a PNG, and at least one bitmap among them.
bool IsIconFile(std::string_view bytes);

}  // namespace qm
