// The Windows single-byte code pages a dictionary can be written in, with
// built-in tables so that the compiler depends on nothing installed.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tavrik::lx {

struct CodePage {
    unsigned number;
    // The GDI character set that shows this code page's text.
    std::uint8_t charset;
    // The characters of bytes 0x80 to 0xFF; 0 where the byte is undefined.
    // Bytes below 0x80 are ASCII.
    char16_t high[128];
};

// Nothing when the code page is not supported.
const CodePage* FindCodePage(unsigned number);

// The supported numbers, ascending.
std::vector<unsigned> SupportedCodePages();

// Converts valid UTF-8 to the code page into `out`; on failure, the first
// character the code page cannot hold.
std::optional<char32_t> EncodeToCodePage(std::string_view utf8, const CodePage& codePage,
                                         std::string& out);

}  // namespace tavrik::lx
