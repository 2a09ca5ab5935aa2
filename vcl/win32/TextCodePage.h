// Single-byte text as the font that shows it reads it: the code page of the
// font's character set decides which characters the bytes are.
#pragma once

#include "vcl/win32/Win32.h"

#include <cstdint>
#include <string>
#include <vector>

namespace tavrik::vcl::win32 {

// The code page GDI uses for text drawn with a font of this character set
// (CP_ACP for DEFAULT_CHARSET and for sets the system does not know).
unsigned CodePageOfCharset(std::uint8_t charset);

// Unicode text ending in a zero, ready for the W functions. A vector rather
// than std::wstring: the release build then carries no wide-string library.
using WideText = std::vector<wchar_t>;

// The bytes as Unicode in that code page; bytes the code page cannot take
// fall back to the system code page rather than being dropped.
WideText WideFromBytes(const std::string& bytes, unsigned codePage);

// Sets a (Unicode) window's text to the bytes as a font of this character
// set shows them, so that any process reads the same characters.
void SetWindowTextForFont(HWND window, const std::string& text, std::uint8_t charset);

}  // namespace tavrik::vcl::win32
