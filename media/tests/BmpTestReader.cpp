#include "BmpTestReader.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <fstream>
#include <iterator>
#include <vector>

namespace tavrik::media::test {
namespace {

std::uint32_t Le(const std::vector<std::uint8_t>& bytes, std::size_t at, int size) {
    std::uint32_t value = 0;
    for (int i = size - 1; i >= 0; --i)
        value = (value << 8) | bytes[at + static_cast<std::size_t>(i)];
    return value;
}

double Linear(std::uint8_t channel) {
    const double c = channel / 255.0;
    return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

double Luminance(Rgb c) {
    return 0.2126 * Linear(c.r) + 0.7152 * Linear(c.g) + 0.0722 * Linear(c.b);
}

ReadResult Fail(std::string error) {
    ReadResult result;
    result.error = std::move(error);
    return result;
}

}  // namespace

ReadResult ReadBmp24(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    if (!file) return Fail("cannot open " + path);
    const std::vector<std::uint8_t> bytes{std::istreambuf_iterator<char>(file), {}};
    if (bytes.size() < 54 || bytes[0] != 'B' || bytes[1] != 'M') return Fail("not a BMP file");
    if (Le(bytes, 2, 4) != bytes.size()) return Fail("file size field does not match");
    if (Le(bytes, 10, 4) != 54) return Fail("pixels do not follow the headers");
    if (Le(bytes, 14, 4) != 40) return Fail("not a BITMAPINFOHEADER");
    const auto width = static_cast<std::int32_t>(Le(bytes, 18, 4));
    const auto height = static_cast<std::int32_t>(Le(bytes, 22, 4));
    if (width <= 0 || height <= 0) return Fail("not a bottom-up picture");
    if (Le(bytes, 26, 2) != 1 || Le(bytes, 28, 2) != 24) return Fail("not 24 bits per pixel");
    if (Le(bytes, 30, 4) != 0) return Fail("compressed");
    const std::uint32_t row = (static_cast<std::uint32_t>(width) * 3 + 3) & ~3u;
    if (Le(bytes, 34, 4) != row * static_cast<std::uint32_t>(height)) return Fail("bad image size");
    if (bytes.size() != 54 + static_cast<std::size_t>(row) * static_cast<std::size_t>(height)) {
        return Fail("pixel data has the wrong length");
    }
    ReadResult result;
    result.ok = true;
    result.image = Image(width, height);
    for (int y = 0; y < height; ++y) {
        const std::size_t start = 54 + static_cast<std::size_t>(height - 1 - y) * row;
        for (int x = 0; x < width; ++x) {
            const std::size_t at = start + static_cast<std::size_t>(x) * 3;
            result.image.Set(x, y, {bytes[at + 2], bytes[at + 1], bytes[at]});
        }
    }
    return result;
}

double ContrastRatio(Rgb a, Rgb b) {
    const double la = Luminance(a);
    const double lb = Luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

}  // namespace tavrik::media::test
