// The product's web page. The address is kept scrambled, so it is not lying
// about in the program file as plain text, and unscrambled only when used.
#pragma once

#include <cstddef>
#include <string>

namespace qm {

// Each byte is the character XORed with a running key, which steps from
// `seed` as key := key * 13 + 7 (mod 256) after every byte.
std::string UnscrambleText(const unsigned char* bytes, std::size_t size, unsigned char seed);

// The address the About box's "Web Page" buttons open.
std::string ProductWebAddress();

}  // namespace qm
