// The off-screen surface every container paints into before it is copied
// to the screen, so that nothing flickers. One buffer serves all windows; it
// grows to the widest window and the tallest band painted (a window is
// painted in bands, so the buffer is a fraction of its size).
#pragma once

#include "vcl/win32/Win32.h"

#include "vcl/win32/PixelOps.h"

namespace tavrik::vcl::win32 {

class BackBuffer {
public:
    BackBuffer() = default;
    BackBuffer(const BackBuffer&) = delete;
    BackBuffer& operator=(const BackBuffer&) = delete;
    ~BackBuffer();

    // Makes the buffer at least this large. False when the system refuses
    // the memory; the caller then paints only its background.
    bool Ensure(HDC compatible, int width, int height);

    HDC Dc() const { return dc_; }
    // The window row the buffer's first row stands for; drawing at window
    // coordinates, by GDI or on the pixels, lands in the buffer.
    void SetTop(int top);
    // The pixels, for direct work; GDI's pending drawing is flushed first.
    Surface Pixels();

private:
    void Release();

    HDC dc_ = nullptr;
    HBITMAP bitmap_ = nullptr;
    HGDIOBJ previous_ = nullptr;
    Pixel* bits_ = nullptr;
    int width_ = 0;
    int height_ = 0;
    int top_ = 0;
};

}  // namespace tavrik::vcl::win32
