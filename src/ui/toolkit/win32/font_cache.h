// Fonts are made once per request and live as long as the backend.
#pragma once

#include "ui/toolkit/types.h"

#include <windows.h>

#include <map>
#include <tuple>

namespace qm::ui::win32 {

struct FontCache {
    FontCache() = default;
    FontCache(const FontCache&) = delete;
    FontCache& operator=(const FontCache&) = delete;
    ~FontCache();

    HFONT get(const Font& font);

private:
    std::map<std::tuple<std::string, int, int, bool, bool>, HFONT> fonts_;
};

}  // namespace qm::ui::win32
