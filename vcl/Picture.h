// A picture: what an image shows. It holds a bitmap (the only graphic
// format the wizard uses).
#pragma once

#include <functional>
#include <string>

#include "vcl/Bitmap.h"

namespace tavrik::vcl {

class TPicture : public TObject {
public:
    TPicture();
    TPicture(const TPicture&) = delete;
    TPicture& operator=(const TPicture&) = delete;
    const char* ClassName() const override { return "TPicture"; }

    // Raises EFOpenError / EInvalidGraphic (also for a picture larger than
    // `bounds`); the picture is then unchanged.
    void LoadFromFile(const std::string& path, const PictureBounds& bounds = {});
    // Copies the other picture's bitmap.
    void Assign(const TPicture& other);
    TBitmap& Bitmap() { return bitmap_; }
    const TBitmap& Bitmap() const { return bitmap_; }
    void SetBitmap(const TBitmap& bitmap) { bitmap_.Assign(bitmap); }
    int Width() const { return bitmap_.Width(); }
    int Height() const { return bitmap_.Height(); }

    void SetOnChange(std::function<void()> onChange) { onChange_ = std::move(onChange); }

private:
    TBitmap bitmap_;
    std::function<void()> onChange_;
};

}  // namespace tavrik::vcl
