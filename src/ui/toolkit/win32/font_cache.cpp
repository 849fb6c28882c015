#include "ui/toolkit/win32/font_cache.h"

namespace qm::ui::win32 {

FontCache::~FontCache()
{
    for (auto& entry : fonts_) {
        DeleteObject(entry.second);
    }
}

HFONT FontCache::get(const Font& font)
{
    const auto key = std::make_tuple(font.face, font.pointSize, font.pixelHeight, font.bold, font.fixedPitch);
    if (auto it = fonts_.find(key); it != fonts_.end()) {
        return it->second;
    }
    int height = -font.pixelHeight;
    if (font.pixelHeight == 0) {
        HDC screen = GetDC(nullptr);
        height = -MulDiv(font.pointSize, GetDeviceCaps(screen, LOGPIXELSY), 72);
        ReleaseDC(nullptr, screen);
    }
    // The pitch and family hints make Windows pick another fixed-pitch font
    // when the face asked for is missing, so columns still line up.
    const DWORD pitch = font.fixedPitch ? (FIXED_PITCH | FF_MODERN) : (DEFAULT_PITCH | FF_SWISS);
    HFONT handle = CreateFontA(height, 0, 0, 0, font.bold ? FW_BOLD : FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                               OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, pitch, font.face.c_str());
    if (handle == nullptr) {
        handle = static_cast<HFONT>(GetStockObject(font.fixedPitch ? ANSI_FIXED_FONT : DEFAULT_GUI_FONT));
        return handle;
    }
    fonts_.emplace(key, handle);
    return handle;
}

}  // namespace qm::ui::win32
