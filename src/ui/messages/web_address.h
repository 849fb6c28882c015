// The product's page. Its address is kept scrambled, so it is not lying
// about in the program file as plain text, and unscrambled only when used.
#pragma once

#include <cstddef>
#include <string>

namespace qm {

// Each byte is the character XORed with a running key, which steps from
// `seed` as key := key * 13 + 7 (mod 256) after every byte.
std::string UnscrambleText(const unsigned char* bytes, std::size_t size, unsigned char seed);

// The page the About box's "Web Page" buttons open: the page of the help
// file, shipped beside the program, about versions, updates and removal. A
// site on the web could not be relied on to be there.
std::string ProductWebAddress();

}  // namespace qm
