#include "lx32/compiler/SourceEncoding.h"

#include <vector>

#include "lx32/compiler/CodePages.h"
#include "lx32/compiler/Utf8.h"

namespace tavrik::lx {

namespace {

// The Windows-1252 byte of a character, 0 when it has none above 0x7F.
unsigned char Byte1252(char32_t c) {
    if (c >= 0xA0 && c <= 0xFF) return static_cast<unsigned char>(c);
    const CodePage* page = FindCodePage(1252);
    for (int k = 0; page != nullptr && k < 0x20; ++k) {
        if (page->high[k] != 0 && page->high[k] == c) return static_cast<unsigned char>(0x80 + k);
    }
    return 0;
}

std::string Utf8Of(std::string_view text, std::size_t from, std::size_t to) {
    return std::string(text.substr(from, to - from));
}

}  // namespace

std::optional<std::string> SourceEncodingFault(std::string_view source) {
    if (source.substr(0, 2) == "\xFF\xFE" || source.substr(0, 2) == "\xFE\xFF") {
        return std::string("the source is UTF-16 (it starts with the byte-order mark ") +
               (source[0] == '\xFF' ? "FF FE" : "FE FF") + "): save it as UTF-8";
    }
    int lines = 0;
    std::string first;
    int number = 0;
    for (std::size_t start = 0; start < source.size();) {
        std::size_t end = source.find('\n', start);
        if (end == std::string_view::npos) end = source.size();
        ++number;
        const std::size_t invalid = FindInvalidUtf8(source.substr(start, end - start));
        if (invalid != std::string_view::npos && lines++ == 0) {
            first = "line " + std::to_string(number) + ", column " + std::to_string(invalid + 1);
        }
        start = end + 1;
    }
    if (lines == 0) return std::nullopt;
    return "the source is not UTF-8 (" + std::to_string(lines) + " line" + (lines == 1 ? "" : "s") +
           ", the first at " + first +
           "): it looks saved as Windows-1252 or another code page; save it as UTF-8";
}

// A UTF-8 character read as Windows-1252 becomes a lead character (Â to ô)
// and one to three characters whose bytes are 0x80 to 0xBF.
std::optional<TwiceEncoded> FindTwiceEncoded(std::string_view utf8) {
    std::vector<std::pair<std::size_t, char32_t>> chars;  // offset, character
    for (std::size_t position = 0; position < utf8.size();) {
        const std::size_t at = position;
        char32_t c = 0;
        if (!DecodeUtf8(utf8, position, c)) return std::nullopt;
        chars.emplace_back(at, c);
    }
    chars.emplace_back(utf8.size(), 0);
    for (std::size_t k = 0; k + 1 < chars.size(); ++k) {
        const unsigned char lead = Byte1252(chars[k].second);
        const std::size_t length = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC2 ? 2 : 0;
        if (length == 0 || k + length >= chars.size()) continue;
        std::string bytes(1, static_cast<char>(lead));
        for (std::size_t m = 1; m < length; ++m) {
            const unsigned char next = Byte1252(chars[k + m].second);
            if (next < 0x80 || next > 0xBF) break;
            bytes += static_cast<char>(next);
        }
        std::size_t position = 0;
        char32_t meant = 0;
        if (bytes.size() == length && DecodeUtf8(bytes, position, meant)) {
            return TwiceEncoded{Utf8Of(utf8, chars[k].first, chars[k + length].first), bytes};
        }
    }
    return std::nullopt;
}

}  // namespace tavrik::lx
