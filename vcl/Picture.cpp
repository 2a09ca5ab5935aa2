#include "vcl/Picture.h"

namespace tavrik::vcl {

TPicture::TPicture() {
    bitmap_.SetOnChange([this] {
        if (onChange_) onChange_();
    });
}

void TPicture::LoadFromFile(const std::string& path) { bitmap_.LoadFromFile(path); }

void TPicture::Assign(const TPicture& other) { bitmap_.Assign(other.bitmap_); }

}  // namespace tavrik::vcl
