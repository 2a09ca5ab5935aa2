#include "lx32/compiler/Utf8.h"

namespace tavrik::lx {

bool DecodeUtf8(std::string_view text, std::size_t& position, char32_t& codePoint) {
    if (position >= text.size()) {
        return false;
    }
    const auto lead = static_cast<unsigned char>(text[position]);
    std::size_t length = 0;
    char32_t value = 0;
    char32_t smallest = 0;
    if (lead < 0x80) {
        codePoint = lead;
        ++position;
        return true;
    } else if ((lead & 0xE0) == 0xC0) {
        length = 2;
        value = lead & 0x1Fu;
        smallest = 0x80;
    } else if ((lead & 0xF0) == 0xE0) {
        length = 3;
        value = lead & 0x0Fu;
        smallest = 0x800;
    } else if ((lead & 0xF8) == 0xF0) {
        length = 4;
        value = lead & 0x07u;
        smallest = 0x10000;
    } else {
        return false;  // a continuation byte or 0xF8..0xFF
    }
    if (text.size() - position < length) {
        return false;
    }
    for (std::size_t i = 1; i < length; ++i) {
        const auto next = static_cast<unsigned char>(text[position + i]);
        if ((next & 0xC0) != 0x80) {
            return false;
        }
        value = (value << 6) | (next & 0x3Fu);
    }
    if (value < smallest || value > 0x10FFFF || (value >= 0xD800 && value <= 0xDFFF)) {
        return false;
    }
    codePoint = value;
    position += length;
    return true;
}

std::size_t FindInvalidUtf8(std::string_view text) {
    std::size_t position = 0;
    char32_t ignored = 0;
    while (position < text.size()) {
        if (!DecodeUtf8(text, position, ignored)) {
            return position;
        }
    }
    return std::string_view::npos;
}

}  // namespace tavrik::lx
