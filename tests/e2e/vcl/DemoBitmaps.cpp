#include "DemoBitmaps.h"

#include <cstdlib>

namespace tavrik::demo {
namespace {

void PutLe(std::vector<std::uint8_t>& out, std::size_t at, std::uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) out[at + i] = static_cast<std::uint8_t>(value >> (8 * i));
}

}  // namespace

std::vector<std::uint8_t> MakeBmp(int width, int height, const PixelFunction& pixel) {
    const std::size_t rowBytes = (static_cast<std::size_t>(width) * 3 + 3) & ~std::size_t{3};
    const std::size_t dataOffset = 54;
    std::vector<std::uint8_t> out(dataOffset + rowBytes * height, 0);
    out[0] = 'B';
    out[1] = 'M';
    PutLe(out, 2, static_cast<std::uint32_t>(out.size()), 4);
    PutLe(out, 10, dataOffset, 4);
    PutLe(out, 14, 40, 4);
    PutLe(out, 18, static_cast<std::uint32_t>(width), 4);
    PutLe(out, 22, static_cast<std::uint32_t>(height), 4);
    PutLe(out, 26, 1, 2);
    PutLe(out, 28, 24, 2);
    for (int y = 0; y < height; ++y) {
        // Bottom-up: the file's first row is the picture's last.
        std::size_t row = dataOffset + rowBytes * static_cast<std::size_t>(height - 1 - y);
        for (int x = 0; x < width; ++x) {
            const std::uint32_t rgb = pixel(x, y);
            out[row + 3 * x] = static_cast<std::uint8_t>(rgb);
            out[row + 3 * x + 1] = static_cast<std::uint8_t>(rgb >> 8);
            out[row + 3 * x + 2] = static_cast<std::uint8_t>(rgb >> 16);
        }
    }
    return out;
}

std::vector<std::uint8_t> BackgroundBmp() {
    return MakeBmp(640, 480, [](int, int y) {
        const std::uint32_t fade = static_cast<std::uint32_t>(y / 16);
        const std::uint32_t r = ((kBackgroundTop >> 16) & 0xFF) - fade;
        const std::uint32_t g = ((kBackgroundTop >> 8) & 0xFF) - fade;
        const std::uint32_t b = (kBackgroundTop & 0xFF) - fade / 2;
        return (r << 16) | (g << 8) | b;
    });
}

std::vector<std::uint8_t> FlagBmp() {
    return MakeBmp(45, 37, [](int x, int y) {
        if (x < 4 || y < 4 || x >= 41 || y >= 33) return kFlagGrey;
        return x < 22 ? kFlagBlue : kFlagWhite;
    });
}

std::vector<std::uint8_t> ValidGlyphBmp() {
    return MakeBmp(24, 23, [](int x, int y) {
        return (x >= 6 && x < 18 && y >= 6 && y < 17) ? kGlyphGreen : 0x000000u;
    });
}

std::vector<std::uint8_t> ExitGlyphBmp() {
    return MakeBmp(24, 23, [](int x, int y) {
        const bool onCross = std::abs(x - y) <= 1 || std::abs(x + y - 22) <= 1;
        return (onCross && x >= 3 && x < 21) ? 0xD02020u : 0x000000u;
    });
}

}  // namespace tavrik::demo
