#include "platform/fake/CaseFolding.h"

namespace tavrik::platform {

namespace {

// Code units of bytes 0x80..0x9F in code page 1252; the rest of the range
// equals Latin-1. Unassigned bytes map to themselves, as Windows does.
constexpr std::uint16_t kHighControls[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

std::uint16_t CodeUnit(unsigned char byte) {
    if (byte >= 0x80 && byte <= 0x9F) {
        return kHighControls[byte - 0x80];
    }
    return byte;
}

}  // namespace

std::uint16_t UpperCodeUnit(unsigned char byte) {
    const std::uint16_t unit = CodeUnit(byte);
    if ((unit >= 'a' && unit <= 'z') || (unit >= 0xE0 && unit <= 0xFE && unit != 0xF7)) {
        return static_cast<std::uint16_t>(unit - 0x20);
    }
    switch (unit) {
        case 0x00FF:
            return 0x0178;
        case 0x0161:
            return 0x0160;
        case 0x0153:
            return 0x0152;
        case 0x017E:
            return 0x017D;
        default:
            return unit;
    }
}

std::string CaseFoldedKey(const std::string& name) {
    std::string key;
    key.reserve(name.size() * 2);
    for (const char c : name) {
        const std::uint16_t unit = UpperCodeUnit(static_cast<unsigned char>(c));
        key.push_back(static_cast<char>(unit >> 8));
        key.push_back(static_cast<char>(unit & 0xFF));
    }
    return key;
}

bool EqualsIgnoringCase(const std::string& a, const std::string& b) {
    if (a.size() != b.size()) {
        return false;
    }
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (UpperCodeUnit(static_cast<unsigned char>(a[i])) !=
            UpperCodeUnit(static_cast<unsigned char>(b[i]))) {
            return false;
        }
    }
    return true;
}

}  // namespace tavrik::platform
