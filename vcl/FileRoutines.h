// The file routines the components and pages use, over the platform seam.
// Paths are passed to the machine unchanged (relative ones resolve against
// the current directory).
#pragma once

#include <cstddef>
#include <string>

namespace tavrik::vcl {

bool FileExists(const std::string& path);
bool DirectoryExists(const std::string& path);

// Creates a folder and every missing parent. False for an empty path or
// when a level cannot be created.
bool ForceDirectories(const std::string& path);

// Reads a whole file. False when it cannot be opened or read, or is larger
// than maxSize bytes (then `bytes` is left empty).
bool ReadWholeFile(const std::string& path, std::string& bytes, std::size_t maxSize);

}  // namespace tavrik::vcl
