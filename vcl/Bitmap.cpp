#include "vcl/Bitmap.h"

#include "vcl/BmpDecoder.h"
#include "vcl/DecodedPictures.h"
#include "vcl/Exceptions.h"
#include "vcl/FileRoutines.h"
#include "vcl/FileWindow.h"

namespace tavrik::vcl {

namespace {
// Largest file worth reading: the largest picture at 32 bits plus headers.
constexpr std::size_t kMaxBitmapFileSize = static_cast<std::size_t>(kMaxBmpPixels) * 4 + 64 * 1024;
}  // namespace

void TBitmap::LoadFromFile(const std::string& path, const PictureBounds& bounds) {
    if (!FileExists(path)) {
        throw EFOpenError("Cannot open file \"" + path + "\". The file does not exist");
    }
    FileWindow file(path, kMaxBitmapFileSize);
    SharedPicture picture;
    std::string error;
    const bool decoded = file.IsOpen() && DecodeShared(file, picture, error, bounds);
    if (!file.IsOpen() || file.ReadFailed()) {
        throw EFOpenError("Cannot open file \"" + path + "\". The file cannot be read");
    }
    if (!decoded) {
        throw EInvalidGraphic("Bitmap image is not valid (" + error + "): \"" + path + "\"");
    }
    Take(picture.width, picture.height, std::move(picture.bgra));
}

void TBitmap::LoadFromBytes(const std::uint8_t* data, std::size_t size) {
    DecodedBitmap decoded;
    std::string error;
    if (!DecodeBmp(data, size, decoded, error)) {
        throw EInvalidGraphic("Bitmap image is not valid (" + error + ")");
    }
    Take(decoded.width, decoded.height,
         std::make_shared<const std::vector<std::uint8_t>>(std::move(decoded.bgra)));
}

void TBitmap::Take(int width, int height, std::shared_ptr<const std::vector<std::uint8_t>> bgra) {
    width_ = width;
    height_ = height;
    bgra_ = std::move(bgra);
    Changed();
}

const std::vector<std::uint8_t>& TBitmap::Pixels() const {
    static const std::vector<std::uint8_t> none;
    return bgra_ != nullptr ? *bgra_ : none;
}

void TBitmap::Assign(const TBitmap& other) {
    if (this == &other) return;
    width_ = other.width_;
    height_ = other.height_;
    bgra_ = other.bgra_;
    transparentColorFixed_ = other.transparentColorFixed_;
    transparentColor_ = other.transparentColor_;
    transparent_ = other.transparent_;
    Changed();
}

void TBitmap::SetSize(int width, int height) {
    if (width < 0 || height < 0 || static_cast<std::int64_t>(width) * height > kMaxBmpPixels) {
        throw EInvalidGraphic("Bitmap size is not valid");
    }
    std::vector<std::uint8_t> black(static_cast<std::size_t>(width) * height * 4, 0);
    for (std::size_t i = 3; i < black.size(); i += 4) black[i] = 255;
    Take(width, height, std::make_shared<const std::vector<std::uint8_t>>(std::move(black)));
}

TColor TBitmap::PixelColor(int x, int y) const {
    if (x < 0 || y < 0 || x >= width_ || y >= height_) return clBlack;
    const std::uint8_t* p = &Pixels()[(static_cast<std::size_t>(y) * width_ + x) * 4];
    return RGBColor(p[2], p[1], p[0]);
}

TColor TBitmap::TransparentColor() const {
    if (transparentColorFixed_) return transparentColor_;
    return PixelColor(0, height_ - 1);
}

void TBitmap::SetTransparentColor(TColor color) {
    transparentColorFixed_ = true;
    transparentColor_ = color;
    Changed();
}

void TBitmap::SetTransparent(bool transparent) {
    if (transparent == transparent_) return;
    transparent_ = transparent;
    Changed();
}

void TBitmap::Changed() {
    if (onChange_) onChange_();
}

}  // namespace tavrik::vcl
