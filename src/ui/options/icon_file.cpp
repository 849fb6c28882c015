#include "ui/options/icon_file.h"

#include <cstddef>
#include <cstdint>

namespace qm {

namespace {

std::uint32_t Read16(std::string_view bytes, std::size_t at) {
  return static_cast<std::uint8_t>(bytes[at]) | static_cast<std::uint32_t>(static_cast<std::uint8_t>(bytes[at + 1])) << 8;
}

std::uint32_t Read32(std::string_view bytes, std::size_t at) { return Read16(bytes, at) | Read16(bytes, at + 2) << 16; }

constexpr std::size_t kHeaderSize = 6;
constexpr std::size_t kEntrySize = 16;
constexpr std::uint32_t kIconType = 1;
constexpr std::uint32_t kBitmapHeaderSize = 40;
constexpr std::string_view kPngSignature{"\x89PNG\r\n\x1a\n", 8};

bool IsPng(std::string_view image) { return image.substr(0, kPngSignature.size()) == kPngSignature; }

bool IsBitmap(std::string_view image) {
  return image.size() >= kBitmapHeaderSize && Read32(image, 0) == kBitmapHeaderSize;
}

}  // namespace

bool IsIconFile(std::string_view bytes) {
  if (bytes.size() < kHeaderSize || Read16(bytes, 0) != 0 || Read16(bytes, 2) != kIconType) return false;
  const std::size_t count = Read16(bytes, 4);
  if (count == 0 || bytes.size() < kHeaderSize + count * kEntrySize) return false;
  // Windows before XP cannot draw PNG images, so a file needs at least one
  // bitmap image to show everywhere this program runs.
  bool anyBitmap = false;
  for (std::size_t i = 0; i < count; ++i) {
    const std::size_t entry = kHeaderSize + i * kEntrySize;
    const std::size_t size = Read32(bytes, entry + 8);
    const std::size_t offset = Read32(bytes, entry + 12);
    if (size == 0 || offset > bytes.size() || size > bytes.size() - offset) return false;
    const std::string_view image = bytes.substr(offset, size);
    if (!IsBitmap(image) && !IsPng(image)) return false;
    anyBitmap = anyBitmap || IsBitmap(image);
  }
  return anyBitmap;
}

}  // namespace qm
