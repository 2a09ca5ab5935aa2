#include "vcl/StrToInt.h"

#include <cctype>
#include <cstdint>

namespace tavrik::vcl {

namespace {

bool TryStrToInt(const std::string& text, int& value) {
    std::size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '-' || text[i] == '+')) negative = text[i++] == '-';
    int base = 10;
    if (i < text.size() && text[i] == '$') {
        base = 16;
        ++i;
    } else if (i + 1 < text.size() && text[i] == '0' &&
               (text[i + 1] == 'x' || text[i + 1] == 'X')) {
        base = 16;
        i += 2;
    }
    if (i == text.size()) return false;
    std::int64_t magnitude = 0;
    for (; i < text.size(); ++i) {
        const int c = std::tolower(static_cast<unsigned char>(text[i]));
        int digit = -1;
        if (c >= '0' && c <= '9') digit = c - '0';
        if (base == 16 && c >= 'a' && c <= 'f') digit = c - 'a' + 10;
        if (digit < 0) return false;
        magnitude = magnitude * base + digit;
        // Hexadecimal may spell a negative number's 32 bits ($FFFFFFFF = -1).
        const std::int64_t limit = base == 16 ? 0xFFFFFFFFLL : 0x80000000LL;
        if (magnitude > limit) return false;
    }
    std::int64_t result = negative ? -magnitude : magnitude;
    if (base == 16 && !negative && result > 0x7FFFFFFFLL) result -= 0x100000000LL;
    if (result > 0x7FFFFFFFLL || result < -0x80000000LL) return false;
    value = static_cast<int>(result);
    return true;
}

}  // namespace

int StrToIntDef(const std::string& text, int defaultValue) {
    int value = 0;
    return TryStrToInt(text, value) ? value : defaultValue;
}

}  // namespace tavrik::vcl
