// Random access to the bytes of a dictionary, from memory or from a file.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>

namespace tavrik::lx {

// Never throws: the library reads through it without exception support at
// hand. Not deleted through this interface, hence no virtual destructor.
class ByteSource {
public:
    virtual std::uint64_t Size() const noexcept = 0;
    // Copies exactly `size` bytes starting at `offset`; false when they are
    // not all there (out of range, short read, I/O error).
    virtual bool ReadAt(std::uint64_t offset, void* destination,
                        std::size_t size) const noexcept = 0;

protected:
    ByteSource() = default;
    ~ByteSource() = default;
    ByteSource(const ByteSource&) = default;
    ByteSource& operator=(const ByteSource&) = default;
};

class MemoryByteSource final : public ByteSource {
public:
    MemoryByteSource(const void* data, std::size_t size) noexcept
        : data_(static_cast<const unsigned char*>(data)), size_(size) {}

    std::uint64_t Size() const noexcept override { return size_; }

    bool ReadAt(std::uint64_t offset, void* destination, std::size_t size) const noexcept override {
        if (offset > size_ || size > size_ - offset) {
            return false;
        }
        if (size != 0) {
            std::memcpy(destination, data_ + offset, size);
        }
        return true;
    }

private:
    const unsigned char* data_;
    std::size_t size_;
};

}  // namespace tavrik::lx
