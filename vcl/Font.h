// A font description: face, character set, height, style and colour.
//
// Height is in pixels (negative: character height without internal
// leading, as LOGFONT takes it); Size is in points at the fixed 96 pixels
// per inch the wizard is laid out for.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "vcl/Color.h"

namespace tavrik::vcl {

enum FontStyle : std::uint8_t {
    fsBold = 1u << 0,
    fsItalic = 1u << 1,
    fsUnderline = 1u << 2,
    fsStrikeOut = 1u << 3,
};
using TFontStyles = std::uint8_t;

// Character sets as LOGFONT's lfCharSet takes them.
using TFontCharset = std::uint8_t;
constexpr TFontCharset ANSI_CHARSET = 0;
constexpr TFontCharset DEFAULT_CHARSET = 1;
constexpr TFontCharset SYMBOL_CHARSET = 2;
constexpr TFontCharset SHIFTJIS_CHARSET = 128;
constexpr TFontCharset HANGEUL_CHARSET = 129;
constexpr TFontCharset GB2312_CHARSET = 134;
constexpr TFontCharset CHINESEBIG5_CHARSET = 136;
constexpr TFontCharset OEM_CHARSET = 255;
constexpr TFontCharset JOHAB_CHARSET = 130;
constexpr TFontCharset HEBREW_CHARSET = 177;
constexpr TFontCharset ARABIC_CHARSET = 178;
constexpr TFontCharset GREEK_CHARSET = 161;
constexpr TFontCharset TURKISH_CHARSET = 162;
constexpr TFontCharset VIETNAMESE_CHARSET = 163;
constexpr TFontCharset THAI_CHARSET = 222;
constexpr TFontCharset EASTEUROPE_CHARSET = 238;
constexpr TFontCharset RUSSIAN_CHARSET = 204;
constexpr TFontCharset MAC_CHARSET = 77;
constexpr TFontCharset BALTIC_CHARSET = 186;

constexpr int kPixelsPerInch = 96;

// Point size <-> pixel height, rounded as MulDiv rounds.
int FontHeightFromSize(int points);
int FontSizeFromHeight(int height);

class TFont {
public:
    TFont();
    TFont(const TFont& other);
    TFont& operator=(const TFont& other);

    const std::string& Name() const { return name_; }
    void SetName(const std::string& name);
    TFontCharset Charset() const { return charset_; }
    void SetCharset(TFontCharset charset);
    int Height() const { return height_; }
    void SetHeight(int height);
    int Size() const { return FontSizeFromHeight(height_); }
    void SetSize(int points) { SetHeight(FontHeightFromSize(points)); }
    TFontStyles Style() const { return style_; }
    void SetStyle(TFontStyles style);
    TColor Color() const { return color_; }
    void SetColor(TColor color);

    // Copies every attribute and signals one change; the change handler is
    // not copied.
    void Assign(const TFont& other);
    bool SameAs(const TFont& other) const;

    // Called after every change; the owning control uses it to stop
    // following its parent's font and to tell its host.
    void SetOnChange(std::function<void()> onChange) { onChange_ = std::move(onChange); }

private:
    void Changed();

    std::string name_;
    TFontCharset charset_;
    int height_;
    TFontStyles style_;
    TColor color_;
    std::function<void()> onChange_;
};

}  // namespace tavrik::vcl
