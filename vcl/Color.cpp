#include "vcl/Color.h"

namespace tavrik::vcl {

TColor ColorToRgb(TColor color) {
    if (!IsSystemColor(color)) return color & 0xFFFFFF;
    switch (SystemColorIndex(color)) {
        case 0:
            return RGBColor(0xD4, 0xD0, 0xC8);  // scroll bar
        case 1:
            return RGBColor(0x3A, 0x6E, 0xA5);  // desktop
        case 5:
            return clWhite;  // window
        case 8:
            return clBlack;  // window text
        case 13:
            return RGBColor(0x0A, 0x24, 0x6A);  // highlight
        case 14:
            return clWhite;  // highlight text
        case 15:
            return RGBColor(0xD4, 0xD0, 0xC8);  // button face
        case 16:
            return RGBColor(0x80, 0x80, 0x80);  // button shadow
        case 17:
            return RGBColor(0x80, 0x80, 0x80);  // grey text
        case 18:
            return clBlack;  // button text
        default:
            return clBlack;
    }
}

}  // namespace tavrik::vcl
