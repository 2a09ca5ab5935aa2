#include "vcl/DecodedPictures.h"

#include <algorithm>
#include <cstring>

namespace tavrik::vcl {

namespace {

// Enough for the background, the buttons' glyphs and a flag or two; a
// kept picture costs memory only once no bitmap holds it any more.
constexpr std::size_t kKeptPictures = 6;

struct KeptPicture {
    std::size_t length = 0;
    std::uint64_t hash = 0;
    SharedPicture picture;
};

std::vector<KeptPicture>& Kept() {
    static std::vector<KeptPicture> kept;
    return kept;
}

// Read in steps that are whole words, so the hash is the same whatever
// reads the bytes.
constexpr std::size_t kHashStep = 64 * 1024;

// FNV-1a over 64-bit words, then the last bytes one by one. Each step maps
// the hash one-to-one for a given input, so two contents of one length that
// differ in a single word never share a hash; and a background is hashed
// with an eighth of the multiplications of a byte-wise pass. False when the
// source cannot be read.
bool HashOf(BmpSource& source, std::uint64_t& hash) {
    constexpr std::uint64_t kPrime = 1099511628211ULL;
    hash = 14695981039346656037ULL;
    const std::size_t size = source.Size();
    for (std::size_t offset = 0; offset < size; offset += kHashStep) {
        const std::size_t length = std::min(kHashStep, size - offset);
        const std::uint8_t* at = source.At(offset, length);
        if (at == nullptr) return false;
        const std::uint8_t* const end = at + length;
        for (; end - at >= 8; at += 8) {
            std::uint64_t word;
            std::memcpy(&word, at, sizeof word);
            hash = (hash ^ word) * kPrime;
        }
        for (; at != end; ++at) hash = (hash ^ *at) * kPrime;
    }
    return true;
}

}  // namespace

bool DecodeShared(BmpSource& source, SharedPicture& picture, std::string& error) {
    auto& kept = Kept();
    const std::size_t length = source.Size();
    std::uint64_t hash = 0;
    if (!HashOf(source, hash)) {
        error = "unreadable file";
        return false;
    }
    const auto found = std::find_if(kept.begin(), kept.end(), [&](const KeptPicture& entry) {
        return entry.length == length && entry.hash == hash;
    });
    if (found != kept.end()) {
        // Most recently used first.
        std::rotate(kept.begin(), found, found + 1);
        picture = kept.front().picture;
        return true;
    }
    DecodedBitmap decoded;
    if (!DecodeBmp(source, decoded, error)) return false;
    picture.width = decoded.width;
    picture.height = decoded.height;
    picture.bgra = std::make_shared<const std::vector<std::uint8_t>>(std::move(decoded.bgra));
    // The file is read again for the pixels: keep them only if it did not
    // change in between, so that they always belong to the content's key.
    std::uint64_t decodedHash = 0;
    if (HashOf(source, decodedHash) && decodedHash == hash) {
        if (kept.size() == kKeptPictures) kept.pop_back();
        kept.insert(kept.begin(), KeptPicture{length, hash, picture});
    }
    return true;
}

}  // namespace tavrik::vcl
