#include "vcl/DecodedPictures.h"

#include <algorithm>

#include "vcl/ContentDigest.h"

namespace tavrik::vcl {

namespace {

// Enough for the background, the buttons' glyphs and a flag or two; a
// kept picture costs memory only once no bitmap holds it any more.
constexpr std::size_t kKeptPictures = 6;

struct KeptPicture {
    std::size_t length = 0;
    Digest digest{};
    SharedPicture picture;
};

std::vector<KeptPicture>& Kept() {
    static std::vector<KeptPicture> kept;
    return kept;
}

// Read in steps, so a file need not be in memory whole.
constexpr std::size_t kDigestStep = 64 * 1024;

// False when the source cannot be read.
bool DigestOf(BmpSource& source, Digest& digest) {
    ContentDigest content;
    const std::size_t size = source.Size();
    for (std::size_t offset = 0; offset < size; offset += kDigestStep) {
        const std::size_t length = std::min(kDigestStep, size - offset);
        const std::uint8_t* at = source.At(offset, length);
        if (at == nullptr) return false;
        content.Add(at, length);
    }
    digest = content.Finish();
    return true;
}

}  // namespace

bool DecodeShared(BmpSource& source, SharedPicture& picture, std::string& error,
                  const PictureBounds& bounds) {
    auto& kept = Kept();
    const std::size_t length = source.Size();
    Digest digest{};
    if (!DigestOf(source, digest)) {
        error = "unreadable file";
        return false;
    }
    const auto found = std::find_if(kept.begin(), kept.end(), [&](const KeptPicture& entry) {
        return entry.length == length && entry.digest == digest;
    });
    if (found != kept.end()) {
        if (found->picture.width > bounds.width || found->picture.height > bounds.height) {
            error = "picture larger than its place";
            return false;
        }
        // Most recently used first.
        std::rotate(kept.begin(), found, found + 1);
        picture = kept.front().picture;
        return true;
    }
    DecodedBitmap decoded;
    if (!DecodeBmp(source, decoded, error, bounds)) return false;
    picture.width = decoded.width;
    picture.height = decoded.height;
    picture.bgra = std::make_shared<const std::vector<std::uint8_t>>(std::move(decoded.bgra));
    // The file is read again for the pixels: keep them only if it did not
    // change in between, so that they always belong to the content's key.
    Digest decodedDigest{};
    if (DigestOf(source, decodedDigest) && decodedDigest == digest) {
        if (kept.size() == kKeptPictures) kept.pop_back();
        kept.insert(kept.begin(), KeptPicture{length, digest, picture});
    }
    return true;
}

}  // namespace tavrik::vcl
