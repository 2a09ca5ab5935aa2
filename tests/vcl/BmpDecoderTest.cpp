#include "vcl/BmpDecoder.h"

#include <gtest/gtest.h>

#include <cstring>
#include <memory>
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

TEST(BmpDecoder, ReadsTopDownWhenHeightIsNegative) {
    BmpLayout layout;
    layout.width = 1;
    layout.height = -2;
    layout.pixelData = std::string("\x01\x02\x03\0\x04\x05\x06\0", 8);
    const auto b = MustDecode(BuildBmp(layout));
    EXPECT_EQ(Rgb(b, 0, 0), 0x030201u);  // first stored row is the top one
    EXPECT_EQ(Rgb(b, 0, 1), 0x060504u);
}

TEST(BmpDecoder, ReadsPalettedPictures) {
    BmpLayout one;
    one.width = 10;
    one.height = 1;
    one.bitCount = 1;
    one.palette = {0x000000, 0xFFFFFF};
    one.pixelData = std::string("\xA0\x40\0\0", 4);  // 1010 0000 0100 0000
    const auto b1 = MustDecode(BuildBmp(one));
    EXPECT_EQ(Rgb(b1, 0, 0), 0xFFFFFFu);
    EXPECT_EQ(Rgb(b1, 1, 0), 0x000000u);
    EXPECT_EQ(Rgb(b1, 2, 0), 0xFFFFFFu);
    EXPECT_EQ(Rgb(b1, 9, 0), 0xFFFFFFu);

    BmpLayout four;
    four.width = 3;
    four.height = 1;
    four.bitCount = 4;
    four.palette = {0x111111, 0x222222, 0x333333};
    four.pixelData = std::string("\x12\x00\0\0", 4);
    const auto b4 = MustDecode(BuildBmp(four));
    EXPECT_EQ(Rgb(b4, 0, 0), 0x222222u);
    EXPECT_EQ(Rgb(b4, 1, 0), 0x333333u);
    EXPECT_EQ(Rgb(b4, 2, 0), 0x111111u);

    BmpLayout eight;
    eight.width = 2;
    eight.height = 1;
    eight.bitCount = 8;
    eight.palette = {0x0000FF, 0x00FF00};
    eight.pixelData = std::string("\x01\x07\0\0", 4);  // index 7 is beyond the palette
    const auto b8 = MustDecode(BuildBmp(eight));
    EXPECT_EQ(Rgb(b8, 0, 0), 0x00FF00u);
    EXPECT_EQ(Rgb(b8, 1, 0), 0x000000u);
}

TEST(BmpDecoder, ReadsSixteenAndThirtyTwoBitPictures) {
    BmpLayout rgb555;
    rgb555.width = 1;
    rgb555.height = 1;
    rgb555.bitCount = 16;
    rgb555.pixelData = std::string("\x00\x7C\0\0", 4);  // pure red in 5-5-5
    EXPECT_EQ(Rgb(MustDecode(BuildBmp(rgb555)), 0, 0), 0xFF0000u);

    BmpLayout rgb565 = rgb555;
    rgb565.compression = 3;
    rgb565.masks = {0xF800, 0x07E0, 0x001F};
    rgb565.pixelData = std::string("\xE0\x07\0\0", 4);  // pure green in 5-6-5
    EXPECT_EQ(Rgb(MustDecode(BuildBmp(rgb565)), 0, 0), 0x00FF00u);

    BmpLayout argb;
    argb.width = 1;
    argb.height = 1;
    argb.bitCount = 32;
    argb.pixelData = std::string("\x30\x20\x10\x00", 4);
    const auto b32 = MustDecode(BuildBmp(argb));
    EXPECT_EQ(Rgb(b32, 0, 0), 0x102030u);
    EXPECT_EQ(Alpha(b32, 0, 0), 255);  // the unused byte is not taken as alpha

    BmpLayout v5 = argb;
    v5.headerSize = 124;
    v5.compression = 3;
    v5.masks = {0x000000FF, 0x0000FF00, 0x00FF0000};  // red in the low byte
    EXPECT_EQ(Rgb(MustDecode(BuildBmp(v5)), 0, 0), 0x302010u);
}

TEST(BmpDecoder, ReadsOs2CoreHeaderWithThreeBytePalette) {
    BmpLayout layout;
    layout.headerSize = 12;
    layout.width = 2;
    layout.height = 1;
    layout.bitCount = 8;
    layout.palette = {0xABCDEF, 0x123456};
    layout.pixelData = std::string("\x01\x00\0\0", 4);
    const auto b = MustDecode(BuildBmp(layout));
    EXPECT_EQ(Rgb(b, 0, 0), 0x123456u);
    EXPECT_EQ(Rgb(b, 1, 0), 0xABCDEFu);
}

TEST(BmpDecoder, ReadsRle8WithRunsLiteralsDeltaAndLineEnds) {
    BmpLayout layout;
    layout.width = 4;
    layout.height = 3;
    layout.bitCount = 8;
    layout.compression = 1;
    layout.palette = {0x000000, 0xFF0000, 0x00FF00, 0x0000FF};
    layout.pixelData = std::string(
        "\x04\x01"                  // bottom row: 4 x red
        "\x00\x00"                  // end of line
        "\x00\x03\x02\x03\x02\x00"  // literal green, blue, green (+ pad)
        "\x00\x02\x01\x01"          // delta: right 1, up 1
        "\x01\x03"                  // one blue at (x=1... after the delta)
        "\x00\x01",                 // end of picture
        18);
    const auto b = MustDecode(BuildBmp(layout));
    // File row 0 is the bottom line (y = 2).
    for (int x = 0; x < 4; ++x) EXPECT_EQ(Rgb(b, x, 2), 0xFF0000u);
    EXPECT_EQ(Rgb(b, 0, 1), 0x00FF00u);
    EXPECT_EQ(Rgb(b, 1, 1), 0x0000FFu);
    EXPECT_EQ(Rgb(b, 2, 1), 0x00FF00u);
    // After the literal x = 3; the delta moves to x = 4 on the top line,
    // which is outside the picture: that pixel is dropped.
    EXPECT_EQ(Rgb(b, 3, 0), 0x000000u);
}

TEST(BmpDecoder, ReadsRle4AlternatingNibbles) {
    BmpLayout layout;
    layout.width = 5;
    layout.height = 1;
    layout.bitCount = 4;
    layout.compression = 2;
    layout.palette = {0x000000, 0x111111, 0x222222};
    layout.pixelData = std::string("\x03\x12\x00\x03\x21\x20\x00\x01", 8);
    const auto b = MustDecode(BuildBmp(layout));
    EXPECT_EQ(Rgb(b, 0, 0), 0x111111u);
    EXPECT_EQ(Rgb(b, 1, 0), 0x222222u);
    EXPECT_EQ(Rgb(b, 2, 0), 0x111111u);
    EXPECT_EQ(Rgb(b, 3, 0), 0x222222u);
    EXPECT_EQ(Rgb(b, 4, 0), 0x111111u);
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

TEST(BmpDecoder, TruncatedRleCommandFailsButAMissingEndMarkIsAccepted) {
    BmpLayout layout;
    layout.width = 4;
    layout.height = 1;
    layout.bitCount = 8;
    layout.compression = 1;
    layout.palette = {0x000000, 0xFFFFFF};
    layout.pixelData = std::string("\x00\x04\x01\x01", 4);  // literal of 4, only 2 present
    EXPECT_EQ(MustFail(BuildBmp(layout)), "truncated file");
    layout.pixelData = std::string("\x04\x01", 2);
    EXPECT_EQ(Rgb(MustDecode(BuildBmp(layout)), 3, 0), 0xFFFFFFu);
}

TEST(BmpDecoder, RejectsCorruptHeaders) {
    const std::string good = Bmp24(2, 2, std::vector<std::uint32_t>(4, 0));
    auto patched = [&](std::size_t at, std::string bytes) {
        std::string file = good;
        file.replace(at, bytes.size(), bytes);
        return file;
    };
    EXPECT_EQ(MustFail(patched(0, "XM")), "not a bitmap file");
    EXPECT_EQ(MustFail(patched(14, std::string("\x20\0\0\0", 4))), "unknown bitmap header");
    EXPECT_EQ(MustFail(patched(18, std::string("\0\0\0\0", 4))), "bad dimensions");
    EXPECT_EQ(MustFail(patched(18, std::string("\xFE\xFF\xFF\xFF", 4))), "bad dimensions");
    EXPECT_EQ(MustFail(patched(22, std::string("\0\0\0\x80", 4))), "picture too large");
    EXPECT_EQ(MustFail(patched(26, std::string("\2\0", 2))), "bad plane count");
    EXPECT_EQ(MustFail(patched(28, std::string("\7\0", 2))), "unsupported bit count");
    EXPECT_EQ(MustFail(patched(30, std::string("\4\0\0\0", 4))), "unsupported compression");
    EXPECT_EQ(MustFail(patched(30, std::string("\1\0\0\0", 4))), "RLE8 needs 8 bits per pixel");
    EXPECT_EQ(MustFail(patched(10, std::string("\xFF\xFF\0\0", 4))), "bad pixel data offset");
    EXPECT_EQ(MustFail(patched(10, std::string("\x10\0\0\0", 4))), "bad pixel data offset");
}

TEST(BmpDecoder, RejectsHugeDimensionsBeforeAllocating) {
    BmpLayout layout;
    layout.width = 30000;
    layout.height = 30000;  // each side allowed, the area is not
    layout.pixelData = "x";
    EXPECT_EQ(MustFail(BuildBmp(layout)), "picture too large");
    layout.width = 40000;
    layout.height = 1;
    EXPECT_EQ(MustFail(BuildBmp(layout)), "picture too large");
    // Within the limits but without the rows: refused as truncated.
    layout.width = 4000;
    layout.height = 4000;
    EXPECT_EQ(MustFail(BuildBmp(layout)), "truncated file");
}

// Pictures whose headers lie, and the pixel memory each costs: unbounded,
// and within a flag's cell of the language page (131 x 133). A picture
// larger than its place is refused before its pixels are allocated.
TEST(BmpDecoder, HostilePicturesCostNoMoreThanTheirPlaceShows) {
    const auto layoutOf = [](int side, int bitCount, std::uint32_t compression,
                             std::vector<std::uint32_t> palette, std::string pixels) {
        BmpLayout layout;
        layout.width = side;
        layout.height = side;
        layout.bitCount = bitCount;
        layout.compression = compression;
        layout.palette = std::move(palette);
        layout.pixelData = std::move(pixels);
        return BuildBmp(layout);
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

TEST(BmpDecoder, RejectsTopDownRleAndMissingPalette) {
    BmpLayout rle;
    rle.width = 1;
    rle.height = -1;
    rle.bitCount = 8;
    rle.compression = 1;
    rle.palette = {0};
    rle.pixelData = std::string("\x01\x00\x00\x01", 4);
    EXPECT_EQ(MustFail(BuildBmp(rle)), "compressed bitmaps cannot be top-down");

    BmpLayout noPalette;
    noPalette.width = 1;
    noPalette.height = 1;
    noPalette.bitCount = 8;
    noPalette.pixelData = std::string("\0\0\0\0", 4);
    EXPECT_EQ(MustFail(BuildBmp(noPalette)), "missing palette");
}

TEST(BmpDecoder, NullDataFails) {
    DecodedBitmap out;
    std::string error;
    EXPECT_FALSE(DecodeBmp(nullptr, 10, out, error));
    EXPECT_FALSE(error.empty());
}

}  // namespace
}  // namespace tavrik::vcl
