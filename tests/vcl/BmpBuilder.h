// Builds BMP files in memory for the decoder and bitmap tests.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace tavrik::vcl::testing {

struct BmpLayout {
    int width = 2;
    int height = 2;  // negative: top-down
    int bitCount = 24;
    std::uint32_t compression = 0;
    std::vector<std::uint32_t> palette;  // 0x00RRGGBB entries
    std::vector<std::uint32_t> masks;    // bit-field masks (red, green, blue)
    std::string pixelData;               // rows as stored in the file
    int headerSize = 40;                 // 12 = OS/2 core header
};

std::string BuildBmp(const BmpLayout& layout);

// A 24-bit bottom-up picture whose pixels are given top row first as
// 0x00RRGGBB values.
std::string Bmp24(int width, int height, const std::vector<std::uint32_t>& topDownPixels);

}  // namespace tavrik::vcl::testing
