// A digest of a file's content that no one can make two files share: the
// picture cache keys on it, so a medium cannot make one picture show as
// another. SHA-256, fed in pieces, so a file need not be in memory whole.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

namespace tavrik::vcl {

using Digest = std::array<std::uint8_t, 32>;

class ContentDigest {
public:
    ContentDigest();
    void Add(const std::uint8_t* data, std::size_t length);
    Digest Finish();

private:
    void Compress(const std::uint8_t* block);

    std::array<std::uint32_t, 8> state_;
    std::array<std::uint8_t, 64> pending_{};
    std::size_t pendingLength_ = 0;
    std::uint64_t totalLength_ = 0;
};

}  // namespace tavrik::vcl
