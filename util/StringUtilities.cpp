#include "util/StringUtilities.h"

#include <cctype>
#include <cerrno>
#include <climits>
#include <cstdlib>

namespace tavrik {

std::string ReplaceFirstStar(const std::string& text, const std::string& replacement) {
    const std::string::size_type star = text.find('*');
    if (star == std::string::npos) {
        return text;
    }
    std::string result = text;
    result.replace(star, 1, replacement);
    return result;
}

void CapitaliseFirst(std::string& text) {
    if (text.empty()) {
        return;
    }
    text[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(text[0])));
}

bool ParseDecimal(const std::string& text, long& value) {
    const char* begin = text.c_str();
    char* end = nullptr;
    errno = 0;
    value = std::strtol(begin, &end, 10);
    if (end == begin || errno == ERANGE || value < INT_MIN || value > INT_MAX) {
        return false;
    }
    while (*end == ' ' || *end == '\t') {
        ++end;
    }
    return *end == '\0';
}

bool IndexBelowCount(int index, const std::string& countText) {
    long count = 0;
    if (!ParseDecimal(countText, count)) {
        return false;
    }
    return index < count;
}

}  // namespace tavrik
