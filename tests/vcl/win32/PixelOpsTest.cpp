// The host's hand-made pixel work (vcl/win32/PixelOps), natively.
#include "vcl/win32/PixelOps.h"

#include <gtest/gtest.h>

#include <vector>

namespace tavrik::vcl::win32 {
namespace {

constexpr Pixel kRed = 0xFF0000;
constexpr Pixel kGreen = 0x00FF00;
constexpr Pixel kBlue = 0x0000FF;
constexpr Pixel kWhite = 0xFFFFFF;
constexpr Pixel kBlack = 0x000000;
constexpr Pixel kGround = 0x123456;  // what the surface held before drawing

struct TestSurface {
    TestSurface(int columns, int rows)
        : pixels(static_cast<std::size_t>(columns) * rows, kGround), width(columns), height(rows) {}
    Surface View() { return Surface{pixels.data(), width, height}; }
    Pixel At(int x, int y) const { return pixels[static_cast<std::size_t>(y) * width + x]; }
    int CountOf(Pixel color) const {
        int count = 0;
        for (Pixel p : pixels) count += p == color ? 1 : 0;
        return count;
    }
    std::vector<Pixel> pixels;
    int width;
    int height;
};

// A picture as a decoded bitmap holds it: blue, green, red, alpha bytes.
struct TestPicture {
    TestPicture(int columns, int rows, const std::vector<Pixel>& rgb)
        : width(columns), height(rows) {
        for (Pixel p : rgb) {
            bytes.push_back(static_cast<std::uint8_t>(p));
            bytes.push_back(static_cast<std::uint8_t>(p >> 8));
            bytes.push_back(static_cast<std::uint8_t>(p >> 16));
            bytes.push_back(0xFF);
        }
    }
    PixelSource Source() const { return PixelSource{bytes.data(), width, height}; }
    std::vector<std::uint8_t> bytes;
    int width;
    int height;
};

const PixelRect kEverything{-10000, -10000, 10000, 10000};

TEST(PixelOps, ColorRefsBecomeSurfacePixels) {
    // The framework stores blue in the high byte, the surface red.
    EXPECT_EQ(PixelFromColorRef(0x0000FF), kRed);
    EXPECT_EQ(PixelFromColorRef(0xFF0000), kBlue);
    EXPECT_EQ(PixelFromColorRef(0x873D21), Pixel{0x213D87});
    EXPECT_TRUE(SameColor(0xFF808080, 0x00808080));  // the unused byte does not count
    EXPECT_FALSE(SameColor(0x808080, 0x808081));
}

TEST(PixelOps, IntersectionOfDisjointRectanglesIsEmpty) {
    EXPECT_TRUE(Intersect({0, 0, 10, 10}, {10, 0, 20, 10}).Empty());
    PixelRect overlap = Intersect({0, 0, 10, 10}, {5, -5, 20, 7});
    EXPECT_EQ(overlap.left, 5);
    EXPECT_EQ(overlap.top, 0);
    EXPECT_EQ(overlap.right, 10);
    EXPECT_EQ(overlap.bottom, 7);
}

TEST(PixelOps, FillStaysInsideTheSurface) {
    TestSurface surface(4, 3);
    Surface view = surface.View();
    FillPixels(view, {-5, 1, 2, 99}, kRed);
    EXPECT_EQ(surface.CountOf(kRed), 4);  // columns 0-1 of rows 1-2
    EXPECT_EQ(surface.At(0, 0), kGround);
    EXPECT_EQ(surface.At(1, 2), kRed);
    EXPECT_EQ(surface.At(2, 2), kGround);
}

TEST(PixelOps, StretchingDoublesEachPixel) {
    TestPicture picture(2, 2, {kRed, kGreen, kBlue, kWhite});
    TestSurface surface(4, 4);
    Surface view = surface.View();
    DrawScaled(view, {0, 0, 4, 4}, kEverything, picture.Source(), std::nullopt);
    EXPECT_EQ(surface.At(0, 0), kRed);
    EXPECT_EQ(surface.At(1, 1), kRed);
    EXPECT_EQ(surface.At(2, 0), kGreen);
    EXPECT_EQ(surface.At(3, 1), kGreen);
    EXPECT_EQ(surface.At(0, 3), kBlue);
    EXPECT_EQ(surface.At(3, 3), kWhite);
}

TEST(PixelOps, ShrinkingPicksTheCentrePixels) {
    // 4 columns into 2: target pixel x takes source column 2x+1.
    TestPicture picture(4, 1, {kRed, kGreen, kBlue, kWhite});
    TestSurface surface(2, 1);
    Surface view = surface.View();
    DrawScaled(view, {0, 0, 2, 1}, kEverything, picture.Source(), std::nullopt);
    EXPECT_EQ(surface.At(0, 0), kGreen);
    EXPECT_EQ(surface.At(1, 0), kWhite);
}

TEST(PixelOps, TransparentPixelsLeaveWhatWasBeneath) {
    TestPicture glyph(3, 1, {kBlack, kGreen, kBlack});
    TestSurface surface(3, 1);
    Surface view = surface.View();
    DrawScaled(view, {0, 0, 3, 1}, kEverything, glyph.Source(), kBlack);
    EXPECT_EQ(surface.At(0, 0), kGround);
    EXPECT_EQ(surface.At(1, 0), kGreen);
    EXPECT_EQ(surface.At(2, 0), kGround);
}

TEST(PixelOps, DrawingRespectsTheClipAndTheSurfaceEdges) {
    TestPicture picture(1, 1, {kRed});
    TestSurface surface(5, 5);
    Surface view = surface.View();
    // A target far larger than the surface, partly off it, clipped to one
    // column: nothing outside the clip changes, nothing is written outside.
    DrawScaled(view, {-100, -100, 100, 100}, {2, 0, 3, 5}, picture.Source(), std::nullopt);
    EXPECT_EQ(surface.CountOf(kRed), 5);
    for (int y = 0; y < 5; ++y) EXPECT_EQ(surface.At(2, y), kRed);
}

TEST(PixelOps, EmptyPicturesAndTargetsDrawNothing) {
    TestSurface surface(3, 3);
    Surface view = surface.View();
    DrawScaled(view, {0, 0, 3, 3}, kEverything, PixelSource{}, std::nullopt);
    TestPicture picture(1, 1, {kRed});
    DrawScaled(view, {2, 2, 2, 5}, kEverything, picture.Source(), std::nullopt);
    DrawScaled(view, {3, 0, 1, 3}, kEverything, picture.Source(), std::nullopt);
    EXPECT_EQ(surface.CountOf(kGround), 9);
}

TEST(PixelOps, AViewOfAStripReadsItsOwnColumns) {
    // Two 2 x 1 images side by side: the second starts at column 2 and its
    // rows are as long as the strip's.
    TestPicture strip(4, 2, {kRed, kRed, kGreen, kBlue, kWhite, kWhite, kBlue, kGreen});
    PixelSource second{strip.bytes.data() + 2 * 4, 2, 2, 4};
    TestSurface surface(2, 2);
    Surface view = surface.View();
    DrawScaled(view, {0, 0, 2, 2}, kEverything, second, std::nullopt);
    EXPECT_EQ(surface.At(0, 0), kGreen);
    EXPECT_EQ(surface.At(1, 0), kBlue);
    EXPECT_EQ(surface.At(0, 1), kBlue);
    EXPECT_EQ(surface.At(1, 1), kGreen);
}

TEST(PixelOps, DisabledGlyphIsEtchedFromItsShape) {
    // One opaque pixel: the shadow at its place, the highlight one pixel
    // down and right, transparent pixels untouched.
    TestPicture glyph(2, 2, {kGreen, kBlack, kBlack, kBlack});
    TestSurface surface(3, 3);
    Surface view = surface.View();
    DrawDisabled(view, 0, 0, kEverything, glyph.Source(), kBlack, kWhite, kBlue);
    EXPECT_EQ(surface.At(0, 0), kBlue);
    EXPECT_EQ(surface.At(1, 1), kWhite);
    EXPECT_EQ(surface.CountOf(kGround), 7);
}

TEST(PixelOps, DisabledGlyphAtTheEdgeStaysInside) {
    TestPicture glyph(2, 2, {kGreen, kGreen, kGreen, kGreen});
    TestSurface surface(2, 2);
    Surface view = surface.View();
    DrawDisabled(view, 1, 1, kEverything, glyph.Source(), kBlack, kWhite, kBlue);
    DrawDisabled(view, -3, -3, kEverything, glyph.Source(), kBlack, kWhite, kBlue);
    EXPECT_EQ(surface.At(1, 1), kBlue);
    EXPECT_EQ(surface.CountOf(kGround), 3);
}

// A band of the window (rows 10 to 13 stored): drawing at window rows
// lands in the band, and rows outside it are left alone.
TEST(PixelOps, ABandTakesWindowRowsFromItsTop) {
    TestSurface band(4, 4);
    Surface view{band.pixels.data(), band.width, band.height, 10};
    FillPixels(view, PixelRect{0, 8, 4, 12}, kRed);
    EXPECT_EQ(band.CountOf(kRed), 8);
    EXPECT_EQ(band.At(0, 1), kRed);
    EXPECT_EQ(band.At(0, 2), kGround);
    const TestPicture picture(1, 1, {kBlue});
    DrawScaled(view, PixelRect{0, 12, 4, 20}, PixelRect{0, 0, 4, 100}, picture.Source(),
               std::nullopt);
    EXPECT_EQ(band.At(3, 2), kBlue);
    EXPECT_EQ(band.At(3, 3), kBlue);
    EXPECT_EQ(band.CountOf(kBlue), 8);
}

}  // namespace
}  // namespace tavrik::vcl::win32
