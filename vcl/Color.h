// Colours as the framework stores them: 0x00BBGGRR, blue in the high byte
// and red in the low one; values with the top bit set name a system colour
// whose index is in the low byte.
#pragma once

#include <cstdint>

namespace tavrik::vcl {

using TColor = std::uint32_t;

constexpr TColor kSystemColorFlag = 0x80000000u;

constexpr TColor RGBColor(std::uint8_t red, std::uint8_t green, std::uint8_t blue) {
    return static_cast<TColor>(red) | (static_cast<TColor>(green) << 8) |
           (static_cast<TColor>(blue) << 16);
}

constexpr bool IsSystemColor(TColor c) { return (c & kSystemColorFlag) != 0; }
// The GetSysColor index of a system colour.
constexpr int SystemColorIndex(TColor c) { return static_cast<int>(c & 0xFF); }

constexpr TColor clBlack = RGBColor(0x00, 0x00, 0x00);
constexpr TColor clMaroon = RGBColor(0x80, 0x00, 0x00);
constexpr TColor clGreen = RGBColor(0x00, 0x80, 0x00);
constexpr TColor clOlive = RGBColor(0x80, 0x80, 0x00);
constexpr TColor clNavy = RGBColor(0x00, 0x00, 0x80);
constexpr TColor clPurple = RGBColor(0x80, 0x00, 0x80);
constexpr TColor clTeal = RGBColor(0x00, 0x80, 0x80);
constexpr TColor clGray = RGBColor(0x80, 0x80, 0x80);
constexpr TColor clSilver = RGBColor(0xC0, 0xC0, 0xC0);
constexpr TColor clRed = RGBColor(0xFF, 0x00, 0x00);
constexpr TColor clLime = RGBColor(0x00, 0xFF, 0x00);
constexpr TColor clYellow = RGBColor(0xFF, 0xFF, 0x00);
constexpr TColor clBlue = RGBColor(0x00, 0x00, 0xFF);
constexpr TColor clFuchsia = RGBColor(0xFF, 0x00, 0xFF);
constexpr TColor clAqua = RGBColor(0x00, 0xFF, 0xFF);
constexpr TColor clWhite = RGBColor(0xFF, 0xFF, 0xFF);

// System colours (Win32 COLOR_* indexes).
constexpr TColor clScrollBar = kSystemColorFlag | 0;
constexpr TColor clBackground = kSystemColorFlag | 1;
constexpr TColor clWindow = kSystemColorFlag | 5;
constexpr TColor clWindowText = kSystemColorFlag | 8;
constexpr TColor clBtnFace = kSystemColorFlag | 15;
constexpr TColor clBtnShadow = kSystemColorFlag | 16;
constexpr TColor clGrayText = kSystemColorFlag | 17;
constexpr TColor clBtnText = kSystemColorFlag | 18;
constexpr TColor clHighlight = kSystemColorFlag | 13;
constexpr TColor clHighlightText = kSystemColorFlag | 14;

}  // namespace tavrik::vcl
