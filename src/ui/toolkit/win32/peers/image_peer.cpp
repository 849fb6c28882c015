// An image: an owner-drawn static that shows an icon or bitmap, loaded from a
// file, a resource of the program or pixels made in code.
#include "ui/toolkit/image.h"
#include "ui/toolkit/win32/win32_peer.h"

namespace qm::ui::win32 {

namespace {

class ImagePeer : public ControlPeer {
public:
    using ControlPeer::ControlPeer;
    ~ImagePeer() override { release(); }
    Image& image() const { return static_cast<Image&>(control()); }

    NativeClass nativeClass() const override { return {"STATIC", SS_OWNERDRAW | SS_NOTIFY, 0}; }
    void sync(Change what, int index) override
    {
        if (what == Change::Picture) {
            load();
            invalidate();
            return;
        }
        ControlPeer::sync(what, index);
    }

    void drawItem(const DRAWITEMSTRUCT& item) override
    {
        const Image& img = image();
        HDC dc = item.hDC;
        RECT area = item.rcItem;
        FillRect(dc, &area, GetSysColorBrush(COLOR_BTNFACE));
        if (picture_ == nullptr) {
            return;
        }
        const int areaWidth = area.right - area.left;
        const int areaHeight = area.bottom - area.top;
        auto place = [&](int naturalWidth, int naturalHeight) {
            const int w = img.stretch() ? areaWidth : naturalWidth;
            const int h = img.stretch() ? areaHeight : naturalHeight;
            return RECT{img.center() ? (areaWidth - w) / 2 : 0, img.center() ? (areaHeight - h) / 2 : 0, w, h};
        };
        if (isIcon_) {
            const RECT r = place(32, 32);
            DrawIconEx(dc, r.left, r.top, static_cast<HICON>(picture_), r.right, r.bottom, 0, nullptr, DI_NORMAL);
            return;
        }
        BITMAP info{};
        GetObjectA(picture_, sizeof info, &info);
        const RECT r = place(info.bmWidth, info.bmHeight);
        HDC source = CreateCompatibleDC(dc);
        HGDIOBJ old = SelectObject(source, picture_);
        // Halftone keeps a stretched picture's lines and letters smooth where
        // the system has it; 95/98 fall back to plain colour-on-colour.
        if (!SetStretchBltMode(dc, HALFTONE)) {
            SetStretchBltMode(dc, COLORONCOLOR);
        }
        SetBrushOrgEx(dc, 0, 0, nullptr);
        StretchBlt(dc, r.left, r.top, r.right, r.bottom, source, 0, 0, info.bmWidth, info.bmHeight, SRCCOPY);
        SelectObject(source, old);
        DeleteDC(source);
    }

private:
    void release()
    {
        if (picture_ != nullptr) {
            if (isIcon_) {
                DestroyIcon(static_cast<HICON>(picture_));
            } else {
                DeleteObject(picture_);
            }
            picture_ = nullptr;
        }
    }

    void load()
    {
        release();
        const Picture& p = image().picture();
        isIcon_ = false;
        switch (p.kind) {
        case Picture::Kind::None: break;
        case Picture::Kind::File: {
            isIcon_ = p.file.size() > 4 && lstrcmpiA(p.file.c_str() + p.file.size() - 4, ".ico") == 0;
            picture_ = LoadImageA(nullptr, p.file.c_str(), isIcon_ ? IMAGE_ICON : IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE);
            break;
        }
        case Picture::Kind::IconFile:
            // Without a size Windows takes the file's first image, whatever its size.
            picture_ = LoadImageA(nullptr, p.file.c_str(), IMAGE_ICON, 32, 32, LR_LOADFROMFILE);
            isIcon_ = true;
            break;
        case Picture::Kind::Resource:
            picture_ = CopyIcon(LoadIconA(instance(), MAKEINTRESOURCEA(p.resource)));
            isIcon_ = true;
            break;
        case Picture::Kind::Bitmap:
            picture_ = LoadImageA(instance(), MAKEINTRESOURCEA(p.resource), IMAGE_BITMAP, 0, 0, LR_DEFAULTCOLOR);
            break;
        case Picture::Kind::Pixels: {
            BITMAPINFO info{};
            info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
            info.bmiHeader.biWidth = p.width;
            info.bmiHeader.biHeight = -p.height;
            info.bmiHeader.biPlanes = 1;
            info.bmiHeader.biBitCount = 32;
            info.bmiHeader.biCompression = BI_RGB;
            void* bits = nullptr;
            HBITMAP bitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
            if (bitmap != nullptr && bits != nullptr &&
                p.pixels.size() == static_cast<std::size_t>(p.width) * static_cast<std::size_t>(p.height)) {
                CopyMemory(bits, p.pixels.data(), p.pixels.size() * sizeof(p.pixels[0]));
            }
            picture_ = bitmap;
            break;
        }
        }
    }

    HGDIOBJ picture_ = nullptr;
    bool isIcon_ = false;
};

}  // namespace

std::unique_ptr<ControlPeer> makeImagePeer(Win32Backend& backend, Control& control)
{
    return std::make_unique<ImagePeer>(backend, control);
}

}  // namespace qm::ui::win32
