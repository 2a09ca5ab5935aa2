// Strict UTF-8 decoding: no overlong forms, no surrogates, nothing above
// U+10FFFF.
#pragma once

#include <cstddef>
#include <string_view>

namespace tavrik::lx {

// Decodes the code point at `position` and moves past it; false, with
// `position` unchanged, when the bytes there are not valid UTF-8.
bool DecodeUtf8(std::string_view text, std::size_t& position, char32_t& codePoint);

// The offset of the first byte that does not start a valid sequence, or
// std::string_view::npos when all of `text` is valid.
std::size_t FindInvalidUtf8(std::string_view text);

}  // namespace tavrik::lx
