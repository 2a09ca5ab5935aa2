// Single-byte text as the font that shows it reads it: the code page of the
// font's character set decides which characters the bytes are.
#pragma once

#include "vcl/win32/Win32.h"

#include <cstdint>
#include <string>

namespace tavrik::vcl::win32 {

// The code page GDI uses for text drawn with a font of this character set
// (CP_ACP for DEFAULT_CHARSET and for sets the system does not know).
unsigned CodePageOfCharset(std::uint8_t charset);

// The bytes as Unicode in that code page; bytes the code page cannot take
// fall back to the system code page rather than being dropped.
std::wstring WideFromBytes(const std::string& bytes, unsigned codePage);

// Sets a (Unicode) window's text to the bytes as a font of this character
// set shows them, so that any process reads the same characters.
void SetWindowTextForFont(HWND window, const std::string& text, std::uint8_t charset);

}  // namespace tavrik::vcl::win32
