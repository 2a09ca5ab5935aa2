// Reading texts of any length from the Windows API functions that report the
// size they need when the caller's buffer is too small.
#pragma once

#include <algorithm>
#include <string>
#include <vector>

#include "platform/win32/Win32Api.h"

namespace tavrik::platform::win32 {

// No text the machine reads comes near this; a function that keeps asking
// for more is treated as failing rather than exhausting memory.
constexpr DWORD kLargestText = 16u * 1024u * 1024u;

// Calls `read(buffer, size)` of the family that returns the length of the
// text it copied, or the size it needs (NUL included) when the buffer is too
// small, and grows the buffer until the text fits; the text may change
// between two calls. Returns the last result: 0 when the function failed.
template <typename Read>
DWORD ReadSizedText(Read read, std::string& text) {
    std::vector<char> buffer(256);
    for (;;) {
        const DWORD size = static_cast<DWORD>(buffer.size());
        const DWORD result = read(buffer.data(), size);
        if (result < size) {
            text.assign(buffer.data(), result);
            return result;
        }
        if (size >= kLargestText) {
            text.clear();
            return 0;
        }
        buffer.resize(std::min<DWORD>(std::max<DWORD>(result, size * 2), kLargestText));
    }
}

}  // namespace tavrik::platform::win32
