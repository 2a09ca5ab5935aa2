#include "lx32/CurrentDirectory.h"

#include <windows.h>

namespace tavrik::lx {

bool CurrentDirectory(char* buffer, std::size_t capacity) noexcept {
    if (capacity == 0 || capacity > 0xFFFFFFFFu) {
        return false;
    }
    // The length written without its NUL, or the size needed when too small.
    const DWORD length = ::GetCurrentDirectoryA(static_cast<DWORD>(capacity), buffer);
    return length != 0 && length < capacity;
}

}  // namespace tavrik::lx
