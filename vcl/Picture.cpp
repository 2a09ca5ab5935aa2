#include "vcl/Picture.h"

namespace tavrik::vcl {

TPicture::TPicture() {
    bitmap_.SetOnChange([this] {
        if (onChange_) onChange_();
    });
}

void TPicture::LoadFromFile(const std::string& path, const PictureBounds& bounds) {
    bitmap_.LoadFromFile(path, bounds);
}

void TPicture::Assign(const TPicture& other) { bitmap_.Assign(other.bitmap_); }

}  // namespace tavrik::vcl
