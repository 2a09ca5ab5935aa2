// A dictionary file read by offsets. Nothing is read until asked, so a lookup
// costs a few small reads whatever the size of the file; a read error (a
// removed medium, a file cut short meanwhile) is a failed read, never a fault.
#pragma once

#include <cstdint>

#include "lx32/ByteSource.h"

namespace tavrik::lx {

class FileByteSource final : public ByteSource {
public:
    FileByteSource() = default;
    explicit FileByteSource(const char* path) noexcept { Open(path); }
    ~FileByteSource() { Close(); }
    FileByteSource(const FileByteSource&) = delete;
    FileByteSource& operator=(const FileByteSource&) = delete;

    // Closes any file open before; false when this one cannot be opened for
    // reading or is not a plain file.
    bool Open(const char* path) noexcept;
    void Close() noexcept;
    bool IsOpen() const noexcept { return handle_ != kClosed; }

    std::uint64_t Size() const noexcept override { return size_; }
    bool ReadAt(std::uint64_t offset, void* destination, std::size_t size) const noexcept override;

private:
    // A file descriptor or a Windows file handle; -1 is also
    // INVALID_HANDLE_VALUE.
    static constexpr std::intptr_t kClosed = -1;
    std::intptr_t handle_ = kClosed;
    std::uint64_t size_ = 0;
};

}  // namespace tavrik::lx
