// Reads a picture back for the checks, independently of the writer: only the
// one layout the medium uses (24 bits, no compression, bottom-up) is
// accepted, and any other field value is reported.
#pragma once

#include <string>

#include "Image.h"

namespace tavrik::media::test {

struct ReadResult {
    bool ok = false;
    std::string error;
    Image image{0, 0};
};

ReadResult ReadBmp24(const std::string& path);

// Relative luminance and contrast ratio as the accessibility guidelines
// define them, for judging text on a background.
double ContrastRatio(Rgb a, Rgb b);

}  // namespace tavrik::media::test
