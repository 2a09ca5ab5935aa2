// Windows path syntax: drive letters, backslashes (forward slashes
// accepted), "." and "..", and relative forms resolved against a current
// directory, as the Win32 path functions normalise them.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace tavrik::platform {

// The ANSI path functions refuse a full path of MAX_PATH characters or more.
constexpr std::size_t kMaxPath = 260;

// A full path on a drive: the drive letter and the names below its root.
struct WindowsPath {
    char drive = 'C';                     // upper case
    std::vector<std::string> components;  // no ".", "..", or empty names
    bool trailingSeparator = false;       // written with a final backslash

    bool IsRoot() const { return components.empty(); }
    // "C:\" for a root, "C:\dir\name" otherwise (never a final backslash).
    std::string ToString() const;
    WindowsPath Parent() const;
    WindowsPath Child(const std::string& name) const;
};

// Normalises path against currentDirectory the way GetFullPathName does:
// "x", ".\x" and "C:x" (on the current drive) are relative to the current
// directory, "\x" to the root of the current drive, repeated separators
// collapse, ".." stops at the root, and the last name loses its trailing
// dots and spaces. Empty, UNC and device paths, names with characters
// Windows forbids, and full paths of MAX_PATH characters or more yield
// nothing. The path ends at its first NUL, as a C string would.
std::optional<WindowsPath> ResolveWindowsPath(const std::string& path,
                                              const WindowsPath& currentDirectory);

// Whether a single name is allowed in a Windows file system.
bool IsValidFileName(const std::string& name);

// Splits "C:\dir\*.bmp" into its folder part "C:\dir\" and its last name
// "*.bmp" (which may hold wildcards). A path without a separator has the
// folder "." (the current directory), or "C:" when it starts with a drive.
void SplitLastName(const std::string& path, std::string& folder, std::string& lastName);

}  // namespace tavrik::platform
