// Little-endian reads at file offsets, each checked against the end of the
// bytes: a malformed file yields false, never a read outside it.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace tavrik::pecheck {

class ByteReader {
public:
    explicit ByteReader(const std::vector<unsigned char>& bytes) : bytes_(bytes) {}

    bool Has(std::uint64_t offset, std::uint64_t size) const {
        return offset <= bytes_.size() && size <= bytes_.size() - offset;
    }

    template <typename T>
    bool Read(std::uint64_t offset, T& value) const {
        if (!Has(offset, sizeof(T))) {
            return false;
        }
        std::uint64_t result = 0;
        for (std::size_t i = 0; i < sizeof(T); ++i) {
            // Within the bytes (checked above), so within size_t too.
            result |= static_cast<std::uint64_t>(bytes_[static_cast<std::size_t>(offset) + i])
                      << (8 * i);
        }
        value = static_cast<T>(result);
        return true;
    }

    // A NUL-terminated name; false when the file ends before the NUL.
    bool ReadName(std::uint64_t offset, std::string& name) const {
        name.clear();
        for (std::uint64_t at = offset; at < bytes_.size(); ++at) {
            const unsigned char byte = bytes_[static_cast<std::size_t>(at)];
            if (byte == 0) {
                return true;
            }
            name.push_back(static_cast<char>(byte));
        }
        return false;
    }

private:
    const std::vector<unsigned char>& bytes_;
};

}  // namespace tavrik::pecheck
