// The process's current directory, as the operating system spells it.
#pragma once

#include <cstddef>

namespace tavrik::lx {

// The separator of this system's paths.
#ifdef _WIN32
constexpr char kPathSeparator = '\\';
#else
constexpr char kPathSeparator = '/';
#endif

// Writes the directory, NUL-terminated, into `buffer`; false when the system
// cannot tell it or it does not fit.
bool CurrentDirectory(char* buffer, std::size_t capacity) noexcept;

}  // namespace tavrik::lx
