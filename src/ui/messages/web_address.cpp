#include "ui/messages/web_address.h"

#include <iterator>

namespace qm {

namespace {

constexpr unsigned char kSeed = 0xA7;
constexpr unsigned char kScrambledAddress[] = {
    0xD2, 0xF2, 0xC5, 0x55, 0xDF, 0xD3, 0x36, 0xA6, 0x87, 0x5E, 0x44,
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
