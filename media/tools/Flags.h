// The language flags of the dictionary folder, THESAUxx.bmp, all of one size.
// The language page shows them with grey (128, 128, 128) as the transparent
// colour, so no flag uses that exact grey.
#pragma once

#include <string>
#include <vector>

#include "Image.h"

namespace tavrik::media {

constexpr int kFlagWidth = 45;
constexpr int kFlagHeight = 37;
constexpr Rgb kFlagTransparent{128, 128, 128};

struct Flag {
    std::string code;  // the dictionary's language code, upper case
    Image image;
};

// One flag per dictionary of the demo medium.
std::vector<Flag> MakeFlags();

// "THESAU" + code + ".bmp".
std::string FlagFileName(const std::string& code);

}  // namespace tavrik::media
