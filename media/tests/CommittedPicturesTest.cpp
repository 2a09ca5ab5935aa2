// Checks the committed pictures against what the wizard needs of them.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <queue>
#include <set>
#include <string>
#include <vector>

#include "BmpTestReader.h"

namespace tavrik::media {
namespace {

constexpr Rgb kTextBlue{33, 61, 135};
constexpr Rgb kTitleBlue{41, 69, 143};
constexpr Rgb kWarningRed{255, 0, 0};
constexpr Rgb kBlack{0, 0, 0};
constexpr Rgb kFlagTransparent{128, 128, 128};

struct Area {
    int left, top, right, bottom;  // right and bottom excluded
};

Image Load(const std::string& path) {
    test::ReadResult read = test::ReadBmp24(path);
    EXPECT_TRUE(read.ok) << path << ": " << read.error;
    return read.image;
}

Image Picture(const std::string& name) {
    return Load(std::string(TAVRIK_MEDIA_BMP_DIR) + "/" + name);
}

double LowestContrast(const Image& image, Area area, Rgb ink) {
    double lowest = 100;
    for (int y = area.top; y < area.bottom; ++y) {
        for (int x = area.left; x < area.right; ++x) {
            lowest = std::min(lowest, test::ContrastRatio(image.At(x, y), ink));
        }
    }
    return lowest;
}

TEST(PageBackground, TextReadsWellWhereThePagesPutIt) {
    const Image page = Picture("page_fon.bmp");
    ASSERT_EQ(640, page.Width());
    ASSERT_EQ(480, page.Height());
    const Area text{120, 60, 630, 420};
    EXPECT_GE(LowestContrast(page, text, kTextBlue), 7.0);
    // Pure red cannot exceed 4:1 even on white; keep it near that.
    EXPECT_GE(LowestContrast(page, text, kWarningRed), 3.4);
    // The widest title label (pages 7, 10 and 11).
    EXPECT_GE(LowestContrast(page, {48, 0, 569, 41}, kTitleBlue), 6.0);
}

TEST(PageBackground, TextAreaIsQuiet) {
    const Image page = Picture("page_fon.bmp");
    ASSERT_EQ(640, page.Width());
    int steepest = 0;
    for (int y = 60; y < 420; ++y) {
        for (int x = 120; x < 630; ++x) {
            const Rgb here = page.At(x, y);
            for (const Rgb next : {page.At(x + 1, y), page.At(x, y + 1)}) {
                steepest = std::max({steepest, std::abs(here.r - next.r), std::abs(here.g - next.g),
                                     std::abs(here.b - next.b)});
            }
        }
    }
    EXPECT_LE(steepest, 2);
}

TEST(PageBackground, ButtonsSitOnOneColourAcrossTheBottom) {
    const Image page = Picture("page_fon.bmp");
    ASSERT_EQ(480, page.Height());
    const Rgb band = page.At(594, 439);
    for (int y = 427; y < 451; ++y) {
        for (int x = 0; x < 640; ++x) ASSERT_EQ(band, page.At(x, y)) << x << "," << y;
    }
}

// Black is the glyphs' transparent colour: it must surround the drawing and
// never appear inside it, where it would punch a hole.
class ButtonGlyph : public ::testing::TestWithParam<const char*> {};

TEST_P(ButtonGlyph, DrawingSitsOnTransparentBlackWithoutHoles) {
    const Image glyph = Picture(GetParam());
    ASSERT_EQ(24, glyph.Width());
    ASSERT_EQ(23, glyph.Height());
    // The button is one pixel narrower and lower than the glyph.
    for (int x = 0; x < 24; ++x) EXPECT_EQ(kBlack, glyph.At(x, 22));
    for (int y = 0; y < 23; ++y) EXPECT_EQ(kBlack, glyph.At(23, y));

    std::vector<bool> reached(24 * 23, false);
    std::queue<std::pair<int, int>> pending;
    for (int y = 0; y < 23; ++y) {
        for (int x = 0; x < 24; ++x) {
            const bool border = x == 0 || y == 0 || x == 23 || y == 22;
            if (border && glyph.At(x, y) == kBlack) {
                reached[y * 24 + x] = true;
                pending.push({x, y});
            }
        }
    }
    while (!pending.empty()) {
        const auto [x, y] = pending.front();
        pending.pop();
        const int steps[4][2] = {{1, 0}, {-1, 0}, {0, 1}, {0, -1}};
        for (const auto& step : steps) {
            const int nx = x + step[0];
            const int ny = y + step[1];
            if (nx < 0 || ny < 0 || nx >= 24 || ny >= 23 || reached[ny * 24 + nx]) continue;
            if (glyph.At(nx, ny) != kBlack) continue;
            reached[ny * 24 + nx] = true;
            pending.push({nx, ny});
        }
    }
    int drawn = 0;
    for (int y = 0; y < 23; ++y) {
        for (int x = 0; x < 24; ++x) {
            if (glyph.At(x, y) != kBlack) {
                ++drawn;
            } else {
                EXPECT_TRUE(reached[y * 24 + x]) << "black inside the drawing at " << x << "," << y;
            }
        }
    }
    EXPECT_GT(drawn, 24 * 23 / 2);
}

INSTANTIATE_TEST_SUITE_P(BmpFolder, ButtonGlyph,
                         ::testing::Values("valid.bmp", "sortie.bmp", "yes.bmp", "no.bmp"));

TEST(LanguageFlags, OneFlagOfOneSizePerLanguageWithoutTheTransparentGrey) {
    namespace fs = std::filesystem;
    std::set<std::string> codes;
    int width = 0;
    int height = 0;
    for (const auto& entry : fs::directory_iterator(TAVRIK_MEDIA_FLAG_DIR)) {
        const std::string name = entry.path().filename().string();
        if (entry.path().extension() != ".bmp") continue;
        ASSERT_EQ(12u, name.size()) << name;
        ASSERT_EQ("THESAU", name.substr(0, 6)) << name;
        codes.insert(name.substr(6, 2));
        const Image flag = Load(entry.path().string());
        if (width == 0) {
            width = flag.Width();
            height = flag.Height();
        }
        EXPECT_EQ(width, flag.Width()) << name;
        EXPECT_EQ(height, flag.Height()) << name;
        for (int y = 0; y < flag.Height(); ++y) {
            for (int x = 0; x < flag.Width(); ++x) {
                ASSERT_NE(kFlagTransparent, flag.At(x, y)) << name << " at " << x << "," << y;
            }
        }
    }
    EXPECT_EQ(45, width);
    EXPECT_EQ(37, height);
    const std::set<std::string> expected{"FR", "GB", "DE", "ES", "IT", "NL", "PT",
                                         "PL", "CS", "HU", "RU", "EL", "TR", "SV"};
    EXPECT_EQ(expected, codes);
}

}  // namespace
}  // namespace tavrik::media
