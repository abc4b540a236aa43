#pragma once
// Writes 24-bit RGB pictures as PNG files with uncompressed deflate blocks:
// enough for screenshots, with nothing beyond the standard library.
#include <cstdint>
#include <string>
#include <vector>

namespace qv::test {

// rgb: width * height pixels, 3 bytes each, rows top to bottom.
bool WritePng(const std::string& path, int width, int height, const std::vector<uint8_t>& rgb);

}  // namespace qv::test
