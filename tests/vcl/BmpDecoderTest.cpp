#include "vcl/BmpDecoder.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "BmpBuilder.h"

namespace tavrik::vcl {
namespace {

using testing::Bmp24;
using testing::BmpLayout;
using testing::BuildBmp;

// Hands out every request in new memory and frees the one before: a decoder
// that used a piece after asking for the next would read freed memory, which
// the sanitizer stops.
class OnePieceAtATime final : public BmpSource {
public:
    explicit OnePieceAtATime(const std::string& file) : file_(file) {}
    std::size_t Size() const override { return file_.size(); }
    const std::uint8_t* At(std::size_t offset, std::size_t length) override {
        piece_ = std::make_unique<std::uint8_t[]>(length);
        std::memcpy(piece_.get(), file_.data() + offset, length);
        return piece_.get();
    }

private:
    const std::string& file_;
    std::unique_ptr<std::uint8_t[]> piece_;
};

// Decodes from memory, and piece by piece as from a file, with one result.
bool Decode(const std::string& file, DecodedBitmap& out, std::string& error) {
    const bool decoded =
        DecodeBmp(reinterpret_cast<const std::uint8_t*>(file.data()), file.size(), out, error);
    OnePieceAtATime pieces(file);
    DecodedBitmap piecewise;
    std::string piecewiseError;
    EXPECT_EQ(DecodeBmp(pieces, piecewise, piecewiseError), decoded);
    EXPECT_EQ(piecewiseError, error);
    EXPECT_EQ(piecewise.width, out.width);
    EXPECT_EQ(piecewise.bgra, out.bgra);
    return decoded;
}

DecodedBitmap MustDecode(const std::string& file) {
    DecodedBitmap out;
    std::string error;
    EXPECT_TRUE(Decode(file, out, error)) << error;
    return out;
}

std::string MustFail(const std::string& file) {
    DecodedBitmap out;
    std::string error;
    EXPECT_FALSE(Decode(file, out, error));
    EXPECT_TRUE(out.bgra.empty());
    EXPECT_EQ(out.width, 0);
    return error;
}

// 0x00RRGGBB of a pixel, and its alpha.
std::uint32_t Rgb(const DecodedBitmap& b, int x, int y) {
    const std::uint8_t* p = &b.bgra[static_cast<std::size_t>((y * b.width + x) * 4)];
    return (static_cast<std::uint32_t>(p[2]) << 16) | (p[1] << 8) | p[0];
}
int Alpha(const DecodedBitmap& b, int x, int y) {
    return b.bgra[static_cast<std::size_t>((y * b.width + x) * 4 + 3)];
}

BmpLayout Layout(int width, int height, int bitCount, std::uint32_t compression,
                 std::vector<std::uint32_t> palette, std::string pixelData) {
    BmpLayout layout;
    layout.width = width;
    layout.height = height;
    layout.bitCount = bitCount;
    layout.compression = compression;
    layout.palette = std::move(palette);
    layout.pixelData = std::move(pixelData);
    return layout;
}

BmpLayout WithMasks(BmpLayout layout, std::vector<std::uint32_t> masks, int headerSize = 40) {
    layout.compression = 3;
    layout.masks = std::move(masks);
    layout.headerSize = headerSize;
    return layout;
}

BmpLayout WithHeaderSize(BmpLayout layout, int headerSize) {
    layout.headerSize = headerSize;
    return layout;
}

// Pixels from (x, y) rightwards, as 0x00RRGGBB.
struct PixelRun {
    int x, y;
    std::vector<std::uint32_t> rgb;
};

TEST(BmpDecoder, Reads24BitBottomUpRowsTopRowFirst) {
    // Width 3 forces row padding.
    const auto b = MustDecode(Bmp24(3, 2,
                                    {0xFF0000, 0x00FF00, 0x0000FF,  //
                                     0x123456, 0xABCDEF, 0x000000}));
    ASSERT_EQ(b.width, 3);
    ASSERT_EQ(b.height, 2);
    EXPECT_EQ(Rgb(b, 0, 0), 0xFF0000u);
    EXPECT_EQ(Rgb(b, 1, 0), 0x00FF00u);
    EXPECT_EQ(Rgb(b, 2, 0), 0x0000FFu);
    EXPECT_EQ(Rgb(b, 0, 1), 0x123456u);
    EXPECT_EQ(Rgb(b, 1, 1), 0xABCDEFu);
    EXPECT_EQ(Alpha(b, 2, 1), 255);
}

// Every other layout the decoder reads, and the pixels it must produce: all
// opaque, since no format read here carries alpha.
TEST(BmpDecoder, ReadsEachLayoutIntoTopDownOpaquePixels) {
    const struct {
        const char* name;
        BmpLayout layout;
        std::vector<PixelRun> runs;
    } cases[] = {
        {"negative height: the first stored row is the top one",
         Layout(1, -2, 24, 0, {}, std::string("\x01\x02\x03\0\x04\x05\x06\0", 8)),
         {{0, 0, {0x030201}}, {0, 1, {0x060504}}}},
        {"1-bit: 1010 0000 0100 0000",
         Layout(10, 1, 1, 0, {0x000000, 0xFFFFFF}, std::string("\xA0\x40\0\0", 4)),
         {{0, 0, {0xFFFFFF, 0x000000, 0xFFFFFF}}, {9, 0, {0xFFFFFF}}}},
        {"4-bit",
         Layout(3, 1, 4, 0, {0x111111, 0x222222, 0x333333}, std::string("\x12\0\0\0", 4)),
         {{0, 0, {0x222222, 0x333333, 0x111111}}}},
        {"8-bit, index 7 beyond the palette",
         Layout(2, 1, 8, 0, {0x0000FF, 0x00FF00}, std::string("\x01\x07\0\0", 4)),
         {{0, 0, {0x00FF00, 0x000000}}}},
        {"16-bit, pure red in 5-5-5",
         Layout(1, 1, 16, 0, {}, std::string("\x00\x7C\0\0", 4)),
         {{0, 0, {0xFF0000}}}},
        {"16-bit, pure green in 5-6-5",
         WithMasks(Layout(1, 1, 16, 0, {}, std::string("\xE0\x07\0\0", 4)), {0xF800, 0x07E0, 0x1F}),
         {{0, 0, {0x00FF00}}}},
        {"32-bit, the unused byte not taken as alpha",
         Layout(1, 1, 32, 0, {}, std::string("\x30\x20\x10\x00", 4)),
         {{0, 0, {0x102030}}}},
        {"32-bit V5 header, red in the low byte",
         WithMasks(Layout(1, 1, 32, 0, {}, std::string("\x30\x20\x10\x00", 4)),
                   {0x000000FF, 0x0000FF00, 0x00FF0000}, 124),
         {{0, 0, {0x302010}}}},
        {"OS/2 core header with a three-byte palette",
         WithHeaderSize(Layout(2, 1, 8, 0, {0xABCDEF, 0x123456}, std::string("\x01\0\0\0", 4)), 12),
         {{0, 0, {0x123456, 0xABCDEF}}}},
        // File row 0 is the bottom line (y = 2). After the literal x = 3; the
        // delta moves to x = 4 on the top line, outside the picture: that
        // pixel is dropped.
        {"RLE8 with runs, literals, delta and line ends",
         Layout(4, 3, 8, 1, {0x000000, 0xFF0000, 0x00FF00, 0x0000FF},
                std::string("\x04\x01"                  // bottom row: 4 x red
                            "\x00\x00"                  // end of line
                            "\x00\x03\x02\x03\x02\x00"  // literal green, blue, green (+ pad)
                            "\x00\x02\x01\x01"          // delta: right 1, up 1
                            "\x01\x03"                  // one blue after the delta
                            "\x00\x01",                 // end of picture
                            18)),
         {{0, 2, {0xFF0000, 0xFF0000, 0xFF0000, 0xFF0000}},
          {0, 1, {0x00FF00, 0x0000FF, 0x00FF00}},
          {3, 0, {0x000000}}}},
        {"RLE4 alternating nibbles",
         Layout(5, 1, 4, 2, {0x000000, 0x111111, 0x222222},
                std::string("\x03\x12\x00\x03\x21\x20\x00\x01", 8)),
         {{0, 0, {0x111111, 0x222222, 0x111111, 0x222222, 0x111111}}}},
        {"RLE8 missing its end mark",
         Layout(4, 1, 8, 1, {0x000000, 0xFFFFFF}, std::string("\x04\x01", 2)),
         {{3, 0, {0xFFFFFF}}}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const auto b = MustDecode(BuildBmp(c.layout));
        ASSERT_EQ(b.width, c.layout.width);
        ASSERT_EQ(b.height, std::abs(c.layout.height));
        for (const PixelRun& run : c.runs) {
            for (std::size_t i = 0; i < run.rgb.size(); ++i) {
                const int x = run.x + static_cast<int>(i);
                EXPECT_EQ(Rgb(b, x, run.y), run.rgb[i]) << "at " << x << "," << run.y;
                EXPECT_EQ(Alpha(b, x, run.y), 255) << "at " << x << "," << run.y;
            }
        }
    }
}

TEST(BmpDecoder, EveryTruncationOfAnUncompressedFileFails) {
    const std::string file = Bmp24(3, 3, std::vector<std::uint32_t>(9, 0x808080));
    // The padding of the very last row (3 bytes) may be missing.
    for (std::size_t length = 0; length < file.size() - 3; ++length) {
        SCOPED_TRACE(length);
        MustFail(file.substr(0, length));
    }
    MustDecode(file.substr(0, file.size() - 3));
}

TEST(BmpDecoder, RefusesBrokenFilesWithTheirReason) {
    const std::string good = Bmp24(2, 2, std::vector<std::uint32_t>(4, 0));
    auto patched = [&](std::size_t at, std::string bytes) {
        std::string file = good;
        file.replace(at, bytes.size(), bytes);
        return file;
    };
    const auto lying = [](int width, int height) {
        return BuildBmp(Layout(width, height, 24, 0, {}, "x"));
    };
    const struct {
        const char* name;
        std::string file;
        const char* error;
    } cases[] = {
        {"magic", patched(0, "XM"), "not a bitmap file"},
        {"header size", patched(14, std::string("\x20\0\0\0", 4)), "unknown bitmap header"},
        {"zero width", patched(18, std::string("\0\0\0\0", 4)), "bad dimensions"},
        {"negative width", patched(18, std::string("\xFE\xFF\xFF\xFF", 4)), "bad dimensions"},
        {"height of -2^31", patched(22, std::string("\0\0\0\x80", 4)), "picture too large"},
        {"planes", patched(26, std::string("\2\0", 2)), "bad plane count"},
        {"bit count", patched(28, std::string("\7\0", 2)), "unsupported bit count"},
        {"compression", patched(30, std::string("\4\0\0\0", 4)), "unsupported compression"},
        {"RLE8 at 24 bits", patched(30, std::string("\1\0\0\0", 4)), "RLE8 needs 8 bits per pixel"},
        {"offset past the end", patched(10, std::string("\xFF\xFF\0\0", 4)),
         "bad pixel data offset"},
        {"offset inside the header", patched(10, std::string("\x10\0\0\0", 4)),
         "bad pixel data offset"},
        {"RLE8 literal of 4 with only 2 present",
         BuildBmp(Layout(4, 1, 8, 1, {0x000000, 0xFFFFFF}, std::string("\x00\x04\x01\x01", 4))),
         "truncated file"},
        // Huge dimensions are refused before the pixels are allocated.
        {"each side allowed, the area not", lying(30000, 30000), "picture too large"},
        {"one side too long", lying(40000, 1), "picture too large"},
        {"within the limits but without the rows", lying(4000, 4000), "truncated file"},
        {"top-down RLE", BuildBmp(Layout(1, -1, 8, 1, {0}, std::string("\x01\x00\x00\x01", 4))),
         "compressed bitmaps cannot be top-down"},
        {"missing palette", BuildBmp(Layout(1, 1, 8, 0, {}, std::string("\0\0\0\0", 4))),
         "missing palette"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(MustFail(c.file), c.error);
    }
}

// Pictures whose headers lie, and the pixel memory each costs: unbounded,
// and within a flag's cell of the language page (131 x 133). A picture
// larger than its place is refused before its pixels are allocated.
TEST(BmpDecoder, HostilePicturesCostNoMoreThanTheirPlaceShows) {
    const auto layoutOf = [](int side, int bitCount, std::uint32_t compression,
                             std::vector<std::uint32_t> palette, std::string pixels) {
        return BuildBmp(
            Layout(side, side, bitCount, compression, std::move(palette), std::move(pixels)));
    };
    std::string hugePalette = layoutOf(1, 8, 0, {0x123456}, std::string("\0\0\0\0", 4));
    hugePalette.replace(46, 4, "\xFF\xFF\xFF\xFF");  // colours used: four thousand million
    const std::string endsAtOnce = std::string("\0\1", 2);
    struct Case {
        const char* name;
        std::string file;
        PictureBounds bounds;
        const char* error;  // empty: decoded
        std::size_t pixelBytes;
    };
    const PictureBounds cell{131, 133};
    const std::vector<Case> cases = {
        {"lying size, 60 bytes", layoutOf(4096, 24, 0, {}, "x"), {}, "truncated file", 0},
        {"lying size in a cell", layoutOf(4096, 24, 0, {}, "x"), cell,
         "picture larger than its place", 0},
        {"lying RLE8", layoutOf(4096, 8, 1, {0xFF0000}, endsAtOnce), {}, "", 4096u * 4096 * 4},
        {"lying RLE8 in a cell", layoutOf(4096, 8, 1, {0xFF0000}, endsAtOnce), cell,
         "picture larger than its place", 0},
        {"lying RLE4 in a cell", layoutOf(4096, 4, 2, {0xFF0000}, endsAtOnce), cell,
         "picture larger than its place", 0},
        {"RLE8 filling its cell", layoutOf(130, 8, 1, {0xFF0000}, endsAtOnce), cell, "",
         130u * 130 * 4},
        {"huge palette", hugePalette, cell, "", 4},
    };
    for (const Case& c : cases) {
        DecodedBitmap out;
        std::string error;
        const bool decoded = DecodeBmp(reinterpret_cast<const std::uint8_t*>(c.file.data()),
                                       c.file.size(), out, error, c.bounds);
        EXPECT_EQ(decoded, *c.error == '\0') << c.name << ": " << error;
        EXPECT_EQ(error, c.error) << c.name;
        EXPECT_EQ(out.bgra.capacity(), c.pixelBytes) << c.name;
        EXPECT_LE(out.bgra.capacity(),
                  static_cast<std::size_t>(c.bounds.width * c.bounds.height * 4))
            << c.name;
    }
}

TEST(BmpDecoder, NullDataFails) {
    DecodedBitmap out;
    std::string error;
    EXPECT_FALSE(DecodeBmp(nullptr, 10, out, error));
    EXPECT_FALSE(error.empty());
}

}  // namespace
}  // namespace tavrik::vcl
