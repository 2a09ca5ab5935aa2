// What the host paints for the windowless controls, read back from the
// window.
#include <vector>

#include "DemoBitmaps.h"
#include "HostTestSupport.h"
#include "vcl/Image.h"
#include "vcl/Label.h"
#include "vcl/Shape.h"
#include "vcl/SpeedButton.h"

namespace tavrik::vcl::win32::test {
namespace {

using HostPaint = HostTest;

COLORREF PixelOf(const TWinControl& container, int x, int y) {
    HWND window = WindowOf(container);
    UpdateWindow(window);
    HDC dc = GetDC(window);
    const COLORREF color = GetPixel(dc, x, y);
    ReleaseDC(window, dc);
    return color;
}

void Load(TBitmap& bitmap, const std::vector<std::uint8_t>& bmp) {
    bitmap.LoadFromBytes(bmp.data(), bmp.size());
}

constexpr COLORREF kBlue = 0xFF0000;        // as COLORREF / TColor: blue in the high byte
constexpr COLORREF kGreenGlyph = 0x30A010;  // demo::kGlyphGreen

TEST_F(HostPaint, StretchedImageFillsItsBounds) {
    auto* image = Place<TImage>(form_, first_, "Image_Back", 0, 0, 200, 100);
    image->SetStretch(true);
    // 2 x 1: red left, blue right.
    Load(image->Picture().Bitmap(),
         demo::MakeBmp(2, 1, [](int x, int) { return x == 0 ? 0xFF0000u : 0x0000FFu; }));
    EXPECT_EQ(PixelOf(*first_, 10, 90), COLORREF{0x0000FF});
    EXPECT_EQ(PixelOf(*first_, 190, 5), kBlue);
    EXPECT_EQ(PixelOf(*first_, 250, 50), GetSysColor(COLOR_BTNFACE)) << "outside: the page";
}

TEST_F(HostPaint, ShapeAndItsChangesAreRepainted) {
    auto* shape = Place<TShape>(form_, first_, "FondSelection", 20, 20, 30, 30);
    shape->SetBrushColor(clYellow);
    shape->SetPenStyle(TPenStyle::psClear);
    EXPECT_EQ(PixelOf(*first_, 20, 20), COLORREF{0x00FFFF});
    EXPECT_EQ(PixelOf(*first_, 49, 49), COLORREF{0x00FFFF});
    shape->SetBounds(100, 20, 30, 30);
    EXPECT_EQ(PixelOf(*first_, 25, 25), GetSysColor(COLOR_BTNFACE)) << "the old place is cleaned";
    EXPECT_EQ(PixelOf(*first_, 110, 30), COLORREF{0x00FFFF});
    shape->Hide();
    EXPECT_EQ(PixelOf(*first_, 110, 30), GetSysColor(COLOR_BTNFACE));
}

TEST_F(HostPaint, GlyphsLeaveTheirTransparentColourOut) {
    auto* under = Place<TShape>(form_, first_, "Under", 0, 0, 100, 100);
    under->SetBrushColor(clYellow);
    under->SetPenStyle(TPenStyle::psClear);
    auto* button = Place<TSpeedButton>(form_, first_, "Bouton_Valide", 10, 10, 23, 22);
    TBitmap glyph;
    Load(glyph, demo::ValidGlyphBmp());
    glyph.SetTransparentColor(clBlack);
    button->SetGlyph(glyph);
    button->SetFlat(true);
    // The glyph is 24 x 23 on black, centred in 23 x 22: its (1,1) is the
    // button's (1,1), its green mark from (6,6).
    EXPECT_EQ(PixelOf(*first_, 11, 11), COLORREF{0x00FFFF});
    EXPECT_EQ(PixelOf(*first_, 20, 20), kGreenGlyph);
    button->SetEnabled(false);
    EXPECT_NE(PixelOf(*first_, 20, 20), kGreenGlyph) << "a disabled glyph is etched";
    EXPECT_EQ(PixelOf(*first_, 11, 11), COLORREF{0x00FFFF});
}

TEST_F(HostPaint, OpaqueLabelFillsItsBoundsTransparentOneDoesNot) {
    auto* label = Place<TLabel>(form_, first_, "Label_Opaque", 10, 10, 100, 30);
    label->SetColor(clRed);
    label->SetCaption("");
    EXPECT_EQ(PixelOf(*first_, 50, 25), COLORREF{0x0000FF});
    label->SetTransparent(true);
    EXPECT_EQ(PixelOf(*first_, 50, 25), GetSysColor(COLOR_BTNFACE));
}

TEST_F(HostPaint, LabelTextIsCentredVertically) {
    auto* label = Place<TLabel>(form_, first_, "Label_Centred", 0, 0, 280, 150);
    label->SetTransparent(true);
    label->SetLayout(TTextLayout::tlCenter);
    label->SetAlignment(TAlignment::taCenter);
    label->Font().SetColor(clBlack);
    label->SetCaption("MMMMMMMM");
    int firstRow = -1;
    int lastRow = -1;
    HWND window = WindowOf(*first_);
    UpdateWindow(window);
    HDC dc = GetDC(window);
    for (int y = 0; y < 150; ++y) {
        for (int x = 0; x < 280; ++x) {
            if (GetPixel(dc, x, y) == 0) {
                if (firstRow < 0) firstRow = y;
                lastRow = y;
                break;
            }
        }
    }
    ReleaseDC(window, dc);
    ASSERT_GE(firstRow, 0) << "the text was drawn";
    const int middle = (firstRow + lastRow) / 2;
    EXPECT_NEAR(middle, 75, 4);
}

}  // namespace
}  // namespace tavrik::vcl::win32::test
