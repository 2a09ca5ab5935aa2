#include "vcl/DecodedPictures.h"

#include <algorithm>
#include <cstring>

#include "vcl/BmpDecoder.h"

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

// FNV-1a over 64-bit words, then the last bytes one by one. Each step maps
// the hash one-to-one for a given input, so two contents of one length that
// differ in a single word never share a hash; and a background is hashed
// with an eighth of the multiplications of a byte-wise pass.
std::uint64_t HashOf(const std::string& bytes) {
    constexpr std::uint64_t kPrime = 1099511628211ULL;
    std::uint64_t hash = 14695981039346656037ULL;
    const char* at = bytes.data();
    const char* const end = at + bytes.size();
    for (; end - at >= 8; at += 8) {
        std::uint64_t word;
        std::memcpy(&word, at, sizeof word);
        hash = (hash ^ word) * kPrime;
    }
    for (; at != end; ++at) hash = (hash ^ static_cast<unsigned char>(*at)) * kPrime;
    return hash;
}

}  // namespace

bool DecodeShared(const std::string& bytes, SharedPicture& picture, std::string& error) {
    auto& kept = Kept();
    const std::uint64_t hash = HashOf(bytes);
    const auto found = std::find_if(kept.begin(), kept.end(), [&](const KeptPicture& entry) {
        return entry.length == bytes.size() && entry.hash == hash;
    });
    if (found != kept.end()) {
        // Most recently used first.
        std::rotate(kept.begin(), found, found + 1);
        picture = kept.front().picture;
        return true;
    }
    DecodedBitmap decoded;
    if (!DecodeBmp(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size(), decoded,
                   error)) {
        return false;
    }
    picture.width = decoded.width;
    picture.height = decoded.height;
    picture.bgra = std::make_shared<const std::vector<std::uint8_t>>(std::move(decoded.bgra));
    if (kept.size() == kKeptPictures) kept.pop_back();
    kept.insert(kept.begin(), KeptPicture{bytes.size(), hash, picture});
    return true;
}

}  // namespace tavrik::vcl
