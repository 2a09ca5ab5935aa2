#include "lx32/DictionaryFolder.h"

#include <cstring>

namespace tavrik::lx {

namespace {

bool Append(char* path, std::size_t capacity, std::size_t& length, const char* text,
            std::size_t textLength) noexcept {
    if (textLength >= capacity - length) {
        return false;
    }
    std::memcpy(path + length, text, textLength);
    length += textLength;
    path[length] = '\0';
    return true;
}

}  // namespace

bool AppendDictionaryFile(char* path, std::size_t capacity, const char* fileName,
                          char separator) noexcept {
    const void* end = std::memchr(path, '\0', capacity);
    if (end == nullptr) {
        return false;
    }
    std::size_t length = static_cast<std::size_t>(static_cast<const char*>(end) - path);
    const char folder[] = {separator, 'B',       'R', 'E', 'N', 'D', 'O',
                           'L',       separator, 'D', 'I', 'C', 'O', separator};
    const bool endsInSeparator = length > 0 && path[length - 1] == separator;
    return Append(path, capacity, length, folder + (endsInSeparator ? 1 : 0),
                  sizeof folder - (endsInSeparator ? 1 : 0)) &&
           Append(path, capacity, length, fileName, std::strlen(fileName));
}

}  // namespace tavrik::lx
