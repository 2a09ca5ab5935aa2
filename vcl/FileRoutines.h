// The framework's plain file routines, over the platform seam.
//
// Handles are integers as the wizard keeps them; -1 means "could not be
// opened". Paths are passed to the machine unchanged (relative ones resolve
// against the current directory).
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace tavrik::vcl {

using TFileHandle = std::intptr_t;
constexpr TFileHandle kInvalidFileHandle = -1;

// FileOpen modes; the share flags are accepted and ignored.
constexpr unsigned fmOpenRead = 0x0000;
constexpr unsigned fmOpenWrite = 0x0001;
constexpr unsigned fmOpenReadWrite = 0x0002;
constexpr unsigned fmShareCompat = 0x0000;
constexpr unsigned fmShareExclusive = 0x0010;
constexpr unsigned fmShareDenyWrite = 0x0020;
constexpr unsigned fmShareDenyRead = 0x0030;
constexpr unsigned fmShareDenyNone = 0x0040;

bool FileExists(const std::string& path);
bool DirectoryExists(const std::string& path);
bool DeleteFile(const std::string& path);
bool RenameFile(const std::string& oldName, const std::string& newName);

// Creates (or empties) a file for reading and writing.
TFileHandle FileCreate(const std::string& path);
TFileHandle FileOpen(const std::string& path, unsigned mode);
// origin 0 = start, 1 = current, 2 = end. New position, or -1.
std::int64_t FileSeek(TFileHandle handle, std::int64_t offset, int origin);
// Bytes moved, or -1.
int FileWrite(TFileHandle handle, const void* buffer, std::size_t count);
int FileRead(TFileHandle handle, void* buffer, std::size_t count);
void FileClose(TFileHandle handle);

// Creates a folder and every missing parent. False for an empty path or
// when a level cannot be created.
bool ForceDirectories(const std::string& path);

// Reads a whole file. False when it cannot be opened or read, or is larger
// than maxSize bytes (then `bytes` is left empty).
bool ReadWholeFile(const std::string& path, std::string& bytes, std::size_t maxSize);

}  // namespace tavrik::vcl
