#include "vcl/win32/BackBuffer.h"

namespace tavrik::vcl::win32 {

BackBuffer::~BackBuffer() { Release(); }

void BackBuffer::Release() {
    if (dc_ != nullptr) {
        SelectObject(dc_, previous_);
        DeleteDC(dc_);
    }
    if (bitmap_ != nullptr) DeleteObject(bitmap_);
    dc_ = nullptr;
    bitmap_ = nullptr;
    previous_ = nullptr;
    bits_ = nullptr;
    width_ = 0;
    height_ = 0;
}

bool BackBuffer::Ensure(HDC compatible, int width, int height) {
    if (width <= 0 || height <= 0) return false;
    if (dc_ != nullptr && width <= width_ && height <= height_) return true;
    const int newWidth = width > width_ ? width : width_;
    const int newHeight = height > height_ ? height : height_;
    Release();
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = newWidth;
    info.bmiHeader.biHeight = -newHeight;  // top row first, as PixelOps expects
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    HDC dc = CreateCompatibleDC(compatible);
    HBITMAP bitmap = CreateDIBSection(compatible, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (dc == nullptr || bitmap == nullptr || bits == nullptr) {
        if (dc != nullptr) DeleteDC(dc);
        if (bitmap != nullptr) DeleteObject(bitmap);
        return false;
    }
    dc_ = dc;
    bitmap_ = bitmap;
    previous_ = SelectObject(dc_, bitmap_);
    SetViewportOrgEx(dc_, 0, -top_, nullptr);
    bits_ = static_cast<Pixel*>(bits);
    width_ = newWidth;
    height_ = newHeight;
    return true;
}

void BackBuffer::SetTop(int top) {
    top_ = top;
    if (dc_ != nullptr) SetViewportOrgEx(dc_, 0, -top, nullptr);
}

Surface BackBuffer::Pixels() {
    GdiFlush();
    return Surface{bits_, width_, height_, top_};
}

}  // namespace tavrik::vcl::win32
