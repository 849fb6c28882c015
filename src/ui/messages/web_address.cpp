#include "ui/messages/web_address.h"

#include <iterator>

namespace qm {

namespace {

constexpr unsigned char kSeed = 0xA7;
constexpr unsigned char kScrambledAddress[] = {
    0xCF, 0xF6, 0xD5, 0x44, 0x91, 0x99, 0x6A, 0xFF, 0x98, 0x5D, 0x07, 0x79, 0x0B, 0xBF, 0x20, 0x80, 0x5B,
    0xB7, 0x9F, 0x6B, 0x49, 0x61, 0x7A, 0x29, 0x0A, 0x1F, 0x55, 0x80, 0x6E, 0x4F, 0x2F, 0xA3, 0xAF, 0x0D,
};

}  // namespace

std::string UnscrambleText(const unsigned char* bytes, std::size_t size, unsigned char seed)
{
    std::string text;
    text.reserve(size);
    unsigned key = seed;
    for (std::size_t i = 0; i < size; ++i) {
        text += static_cast<char>(bytes[i] ^ key);
        key = (key * 13 + 7) & 0xFF;
    }
    return text;
}

std::string ProductWebAddress() { return UnscrambleText(kScrambledAddress, std::size(kScrambledAddress), kSeed); }

}  // namespace qm
