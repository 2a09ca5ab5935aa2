#include "BmpBuilder.h"

namespace tavrik::vcl::testing {

namespace {
void Put16(std::string& out, std::uint32_t v) {
    out += static_cast<char>(v & 0xFF);
    out += static_cast<char>((v >> 8) & 0xFF);
}
void Put32(std::string& out, std::uint32_t v) {
    Put16(out, v & 0xFFFF);
    Put16(out, v >> 16);
}
}  // namespace

std::string BuildBmp(const BmpLayout& layout) {
    std::string header;
    if (layout.headerSize == 12) {
        Put32(header, 12);
        Put16(header, static_cast<std::uint32_t>(layout.width));
        Put16(header, static_cast<std::uint32_t>(layout.height));
        Put16(header, 1);
        Put16(header, static_cast<std::uint32_t>(layout.bitCount));
    } else {
        Put32(header, static_cast<std::uint32_t>(layout.headerSize));
        Put32(header, static_cast<std::uint32_t>(layout.width));
        Put32(header, static_cast<std::uint32_t>(layout.height));
        Put16(header, 1);
        Put16(header, static_cast<std::uint32_t>(layout.bitCount));
        Put32(header, layout.compression);
        Put32(header, static_cast<std::uint32_t>(layout.pixelData.size()));
        Put32(header, 3780);
        Put32(header, 3780);
        Put32(header, static_cast<std::uint32_t>(layout.palette.size()));
        Put32(header, 0);
        // A larger header carries the masks inside it.
        for (std::uint32_t mask : layout.masks) {
            if (layout.headerSize > 40) Put32(header, mask);
        }
        header.resize(static_cast<std::size_t>(layout.headerSize), '\0');
        if (layout.headerSize == 40) {
            for (std::uint32_t mask : layout.masks) Put32(header, mask);
        }
    }
    std::string palette;
    for (std::uint32_t entry : layout.palette) {
        palette += static_cast<char>(entry & 0xFF);
        palette += static_cast<char>((entry >> 8) & 0xFF);
        palette += static_cast<char>((entry >> 16) & 0xFF);
        if (layout.headerSize != 12) palette += '\0';
    }
    const std::uint32_t offset = static_cast<std::uint32_t>(14 + header.size() + palette.size());
    std::string file = "BM";
    Put32(file, offset + static_cast<std::uint32_t>(layout.pixelData.size()));
    Put32(file, 0);
    Put32(file, offset);
    return file + header + palette + layout.pixelData;
}

std::string Bmp24(int width, int height, const std::vector<std::uint32_t>& topDownPixels) {
    BmpLayout layout;
    layout.width = width;
    layout.height = height;
    const int stride = (width * 3 + 3) / 4 * 4;
    for (int row = height - 1; row >= 0; --row) {
        std::string line;
        for (int x = 0; x < width; ++x) {
            const std::uint32_t p = topDownPixels[static_cast<std::size_t>(row * width + x)];
            line += static_cast<char>(p & 0xFF);
            line += static_cast<char>((p >> 8) & 0xFF);
            line += static_cast<char>((p >> 16) & 0xFF);
        }
        line.resize(static_cast<std::size_t>(stride), '\0');
        layout.pixelData += line;
    }
    return BuildBmp(layout);
}

}  // namespace tavrik::vcl::testing
