// Writes pictures as the Windows 2000 picture loaders read them: a
// BITMAPFILEHEADER, a 40-byte BITMAPINFOHEADER, 24 bits per pixel, no
// compression, rows stored bottom-up in blue-green-red order and padded to
// four bytes.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "Image.h"

namespace tavrik::media {

std::vector<std::uint8_t> EncodeBmp24(const Image& image);

// False when the file cannot be written completely.
bool WriteBmp24(const std::string& path, const Image& image);

}  // namespace tavrik::media
