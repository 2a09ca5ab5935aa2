#include "TextEncoding.h"

namespace tavrik::mediumcheck {

namespace {

// Code page 1252's characters of bytes 0x80 to 0x9F; above, Latin-1.
constexpr char16_t kHigh1252[32] = {0x20AC, u'?',   0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, u'?',   0x017D, u'?',
                                    u'?',   0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, u'?',   0x017E, 0x0178};

// The length of the UTF-8 character at `at`, 0 when the bytes there are not one.
std::size_t Utf8Length(const std::string& bytes, std::size_t at) {
    const auto lead = static_cast<unsigned char>(bytes[at]);
    const std::size_t length = lead >= 0xF0 && lead <= 0xF4  ? 4
                               : lead >= 0xE0                ? 3
                               : lead >= 0xC2 && lead < 0xE0 ? 2
                                                             : 0;
    if (length == 0 || at + length > bytes.size() || (lead >= 0xF0 && lead > 0xF4)) return 0;
    for (std::size_t k = 1; k < length; ++k) {
        if ((static_cast<unsigned char>(bytes[at + k]) & 0xC0) != 0x80) return 0;
    }
    return length;
}

void AppendUtf8(std::string& out, char16_t c) {
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

}  // namespace

std::size_t FindUtf8Text(const std::string& bytes) {
    std::size_t first = std::string::npos;
    for (std::size_t at = 0; at < bytes.size();) {
        if (static_cast<unsigned char>(bytes[at]) < 0x80) {
            ++at;
            continue;
        }
        const std::size_t length = Utf8Length(bytes, at);
        if (length == 0) return std::string::npos;
        if (first == std::string::npos) first = at;
        at += length;
    }
    return first;
}

std::string ShownIn1252(const std::string& bytes) {
    std::string out;
    for (const char c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        AppendUtf8(out, byte < 0x80   ? char16_t{byte}
                        : byte < 0xA0 ? kHigh1252[byte - 0x80]
                                      : char16_t{byte});
    }
    return out;
}

}  // namespace tavrik::mediumcheck
