#include "vcl/Font.h"

#include <cstdint>

namespace tavrik::vcl {

namespace {
// number * numerator / denominator rounded half away from zero, as MulDiv.
int MulDiv(int number, int numerator, int denominator) {
    const std::int64_t product = static_cast<std::int64_t>(number) * numerator;
    const std::int64_t half = denominator / 2;
    const std::int64_t rounded =
        product >= 0 ? (product + half) / denominator : (product - half) / denominator;
    return static_cast<int>(rounded);
}
}  // namespace

int FontHeightFromSize(int points) { return -MulDiv(points, kPixelsPerInch, 72); }
int FontSizeFromHeight(int height) { return -MulDiv(height, 72, kPixelsPerInch); }

TFont::TFont()
    : name_("MS Sans Serif"),
      charset_(DEFAULT_CHARSET),
      height_(-11),
      style_(0),
      color_(clWindowText) {}

TFont::TFont(const TFont& other)
    : name_(other.name_),
      charset_(other.charset_),
      height_(other.height_),
      style_(other.style_),
      color_(other.color_) {}

TFont& TFont::operator=(const TFont& other) {
    Assign(other);
    return *this;
}

void TFont::Assign(const TFont& other) {
    if (this == &other) return;
    name_ = other.name_;
    charset_ = other.charset_;
    height_ = other.height_;
    style_ = other.style_;
    color_ = other.color_;
    Changed();
}

bool TFont::SameAs(const TFont& other) const {
    return name_ == other.name_ && charset_ == other.charset_ && height_ == other.height_ &&
           style_ == other.style_ && color_ == other.color_;
}

void TFont::SetName(const std::string& name) {
    if (name_ == name) return;
    name_ = name;
    Changed();
}

void TFont::SetCharset(TFontCharset charset) {
    if (charset_ == charset) return;
    charset_ = charset;
    Changed();
}

void TFont::SetHeight(int height) {
    if (height_ == height) return;
    height_ = height;
    Changed();
}

void TFont::SetStyle(TFontStyles style) {
    if (style_ == style) return;
    style_ = style;
    Changed();
}

void TFont::SetColor(TColor color) {
    if (color_ == color) return;
    color_ = color;
    Changed();
}

void TFont::Changed() {
    if (onChange_) onChange_();
}

}  // namespace tavrik::vcl
