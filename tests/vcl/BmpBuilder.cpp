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

std::string BuildBmp(const BmpSpec& spec) {
    std::string header;
    if (spec.headerSize == 12) {
        Put32(header, 12);
        Put16(header, static_cast<std::uint32_t>(spec.width));
        Put16(header, static_cast<std::uint32_t>(spec.height));
        Put16(header, 1);
        Put16(header, static_cast<std::uint32_t>(spec.bitCount));
    } else {
        Put32(header, static_cast<std::uint32_t>(spec.headerSize));
        Put32(header, static_cast<std::uint32_t>(spec.width));
        Put32(header, static_cast<std::uint32_t>(spec.height));
        Put16(header, 1);
        Put16(header, static_cast<std::uint32_t>(spec.bitCount));
        Put32(header, spec.compression);
        Put32(header, static_cast<std::uint32_t>(spec.pixelData.size()));
        Put32(header, 3780);
        Put32(header, 3780);
        Put32(header, static_cast<std::uint32_t>(spec.palette.size()));
        Put32(header, 0);
        // A larger header carries the masks inside it.
        for (std::uint32_t mask : spec.masks) {
            if (spec.headerSize > 40) Put32(header, mask);
        }
        header.resize(static_cast<std::size_t>(spec.headerSize), '\0');
        if (spec.headerSize == 40) {
            for (std::uint32_t mask : spec.masks) Put32(header, mask);
        }
    }
    std::string palette;
    for (std::uint32_t entry : spec.palette) {
        palette += static_cast<char>(entry & 0xFF);
        palette += static_cast<char>((entry >> 8) & 0xFF);
        palette += static_cast<char>((entry >> 16) & 0xFF);
        if (spec.headerSize != 12) palette += '\0';
    }
    const std::uint32_t offset = static_cast<std::uint32_t>(14 + header.size() + palette.size());
    std::string file = "BM";
    Put32(file, offset + static_cast<std::uint32_t>(spec.pixelData.size()));
    Put32(file, 0);
    Put32(file, offset);
    return file + header + palette + spec.pixelData;
}

std::string Bmp24(int width, int height, const std::vector<std::uint32_t>& topDownPixels) {
    BmpSpec spec;
    spec.width = width;
    spec.height = height;
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
        spec.pixelData += line;
    }
    return BuildBmp(spec);
}

}  // namespace tavrik::vcl::testing
