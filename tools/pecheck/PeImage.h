// What the static check needs from a Windows executable or library: the
// version fields of its headers, the functions it imports and the names it
// exports.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace tavrik::pecheck {

struct Import {
    std::string dll;
    std::string function;  // empty when imported by ordinal
    std::uint16_t ordinal = 0;
    bool delayLoaded = false;
};

struct PeImage {
    bool is64Bit = false;
    std::uint16_t machine = 0;
    std::uint16_t subsystem = 0;
    std::uint16_t subsystemMajor = 0;
    std::uint16_t subsystemMinor = 0;
    std::uint16_t osMajor = 0;
    std::uint16_t osMinor = 0;
    std::vector<Import> imports;
    std::vector<std::string> exports;  // exported names, in the table's order
};

// Reads the image from the bytes of a file. False, with the reason, when the
// bytes are not a well-formed image; never reads outside them.
bool ParsePeImage(const std::vector<unsigned char>& bytes, PeImage& image, std::string& error);

}  // namespace tavrik::pecheck
