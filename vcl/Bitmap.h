// A bitmap held as 32-bit BGRA pixels, top row first.
//
// LoadFromFile reads through the platform seam and decodes with the one
// BMP decoder. The transparent colour is the bottom-left pixel's unless one
// was set; hosts leave pixels of that colour unpainted where the bitmap is
// drawn transparently (speed button glyphs, transparent images).
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "vcl/BmpDecoder.h"
#include "vcl/Color.h"
#include "vcl/Events.h"

namespace tavrik::vcl {

class TBitmap : public TObject {
public:
    TBitmap() = default;
    const char* ClassName() const override { return "TBitmap"; }

    // Raises EFOpenError when the file cannot be read and EInvalidGraphic
    // when it is not a bitmap we can decode or is larger than `bounds`; the
    // bitmap is then unchanged.
    void LoadFromFile(const std::string& path, const PictureBounds& bounds = {});
    // Same from bytes in memory (EInvalidGraphic only).
    void LoadFromBytes(const std::uint8_t* data, std::size_t size);
    // Copies the picture and the transparency settings.
    void Assign(const TBitmap& other);
    // Makes a blank bitmap of this size, all black.
    void SetSize(int width, int height);

    int Width() const { return width_; }
    int Height() const { return height_; }
    bool Empty() const { return width_ == 0 || height_ == 0; }
    const std::vector<std::uint8_t>& Pixels() const;
    // The colour of one pixel (clBlack outside the picture).
    TColor PixelColor(int x, int y) const;

    TColor TransparentColor() const;
    // Fixes the transparent colour (it no longer follows the pixels).
    void SetTransparentColor(TColor color);
    bool Transparent() const { return transparent_; }
    void SetTransparent(bool transparent);

    void SetOnChange(std::function<void()> onChange) { onChange_ = std::move(onChange); }

private:
    void Take(int width, int height, std::shared_ptr<const std::vector<std::uint8_t>> bgra);
    void Changed();

    int width_ = 0;
    int height_ = 0;
    // Shared, never changed in place: bitmaps of the same picture hold one copy.
    std::shared_ptr<const std::vector<std::uint8_t>> bgra_;
    bool transparentColorFixed_ = false;
    TColor transparentColor_ = clBlack;
    bool transparent_ = false;
    std::function<void()> onChange_;
};

}  // namespace tavrik::vcl
