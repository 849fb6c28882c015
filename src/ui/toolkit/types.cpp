#include "ui/toolkit/types.h"

#include <utility>

namespace qm::ui {

const char* toString(ModalResult result)
{
    switch (result) {
    case ModalResult::None: return "None";
    case ModalResult::Ok: return "OK";
    case ModalResult::Cancel: return "Cancel";
    case ModalResult::Yes: return "Yes";
    case ModalResult::No: return "No";
    }
    return "?";
}

Picture Picture::fromFile(std::string path)
{
    Picture p;
    p.kind = Kind::File;
    p.file = std::move(path);
    return p;
}

Picture Picture::fromIconFile(std::string path)
{
    Picture p = fromFile(std::move(path));
    p.kind = Kind::IconFile;
    return p;
}

Picture Picture::fromResource(int id)
{
    Picture p;
    p.kind = Kind::Resource;
    p.resource = id;
    return p;
}

Picture Picture::fromBitmapResource(int id, int width, int height)
{
    Picture p;
    p.kind = Kind::Bitmap;
    p.resource = id;
    p.width = width;
    p.height = height;
    return p;
}

Size Picture::naturalSize() const
{
    switch (kind) {
    case Kind::Bitmap:
    case Kind::Pixels: return {width, height};
    case Kind::Resource: return {32, 32};
    case Kind::None:
    case Kind::File:
    case Kind::IconFile: break;
    }
    return {};
}

Picture Picture::fromPixels(int width, int height, std::vector<std::uint32_t> argb)
{
    Picture p;
    p.kind = Kind::Pixels;
    p.width = width;
    p.height = height;
    p.pixels = std::move(argb);
    return p;
}

}  // namespace qm::ui
