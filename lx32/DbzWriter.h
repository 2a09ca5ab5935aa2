// Builds the bytes of a .DBZ dictionary (layout in lx32/FORMAT.md).
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace tavrik::lx {

struct DbzPhrase {
    std::uint32_t number = 0;
    std::string text;  // bytes in the dictionary's code page
};

struct DbzContent {
    std::uint16_t codePage = 0;
    std::uint8_t charset = 0;
    std::string font;
    std::vector<DbzPhrase> phrases;  // any order
};

// Serialises the content; false, with `out` untouched, when it breaks a limit
// of the format (font or phrase too long, number out of range or repeated,
// file beyond 4 GiB).
bool WriteDbz(const DbzContent& content, std::string& out);

}  // namespace tavrik::lx
