// Writes 24-bit PNG files without any library: stored (uncompressed)
// deflate blocks are valid PNG and need no compressor.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace qm::gallery {

// Pixels are 0x00RRGGBB, row-major, top row first.
bool writePng(const std::string& path, int width, int height, const std::vector<std::uint32_t>& pixels);

}  // namespace qm::gallery
