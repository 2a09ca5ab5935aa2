// Pictures for the host's demo, drawn in memory as BMP files so that the
// demo needs no file on disk.
#pragma once

#include <cstdint>
#include <functional>
#include <vector>

namespace tavrik::demo {

// Red, green, blue of one pixel at (x, y), y counted from the top.
using PixelFunction = std::function<std::uint32_t(int x, int y)>;

// A 24-bit bottom-up BMP file of the given size, each pixel 0xRRGGBB.
std::vector<std::uint8_t> MakeBmp(int width, int height, const PixelFunction& pixel);

// The demo's pictures, with the colours the end-to-end check looks for.
constexpr std::uint32_t kFlagGrey = 0x808080;       // a flag's transparent colour
constexpr std::uint32_t kFlagBlue = 0x0033AA;       // left half of the flag
constexpr std::uint32_t kFlagWhite = 0xF0F0F0;      // right half of the flag
constexpr std::uint32_t kGlyphGreen = 0x10A030;     // the validate glyph's mark
constexpr std::uint32_t kBackgroundTop = 0xE8F0FA;  // background gradient, top row

// 640 x 480 background: a vertical gradient from kBackgroundTop.
std::vector<std::uint8_t> BackgroundBmp();
// 45 x 37 flag: a grey frame of 4 pixels (transparent), blue and white halves.
std::vector<std::uint8_t> FlagBmp();
// 24 x 23 glyph on black (transparent): a green square mark.
std::vector<std::uint8_t> ValidGlyphBmp();
// 24 x 23 glyph on black: a red cross.
std::vector<std::uint8_t> ExitGlyphBmp();

}  // namespace tavrik::demo
