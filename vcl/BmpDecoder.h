// The one BMP decoder both hosts use.
//
// Reads Windows and OS/2 1.x bitmap files: 1, 4, 8, 16, 24 and 32 bits per
// pixel, uncompressed, RLE8, RLE4 and bit-field masks, bottom-up and
// top-down. Every size and offset is checked against the data before use,
// so a truncated or corrupt file gives an error, never a read outside the
// buffer. Output is 32-bit BGRA, top row first, alpha always 255 (the
// files the wizard shows carry no transparency of their own).
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace tavrik::vcl {

// Largest picture accepted: each side and the whole area, so that a forged
// header cannot make us allocate gigabytes.
constexpr std::int64_t kMaxBmpSide = 32768;
constexpr std::int64_t kMaxBmpPixels = 16 * 1024 * 1024;

// The largest picture a place on the page can show. A picture larger than
// its place is refused from its header, before any memory is taken for its
// pixels: a medium's lying header then costs nothing.
struct PictureBounds {
    std::int64_t width = kMaxBmpSide;
    std::int64_t height = kMaxBmpSide;
};

struct DecodedBitmap {
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> bgra;  // width * height * 4 bytes, rows top-down
};

// The bytes of a bitmap file, as the decoder asks for them: a file need not
// be in memory as a whole.
class BmpSource {
public:
    virtual ~BmpSource() = default;
    virtual std::size_t Size() const = 0;
    // `length` bytes from `offset` (the decoder asks only within Size()),
    // valid until the next call; null when they cannot be read.
    virtual const std::uint8_t* At(std::size_t offset, std::size_t length) = 0;
};

// Decodes a BMP file. On failure returns false, leaves `out` empty and puts
// a short English reason in `error`.
bool DecodeBmp(BmpSource& source, DecodedBitmap& out, std::string& error,
               const PictureBounds& bounds = {});
// The same for a whole file held in memory.
bool DecodeBmp(const std::uint8_t* data, std::size_t size, DecodedBitmap& out, std::string& error,
               const PictureBounds& bounds = {});

}  // namespace tavrik::vcl
