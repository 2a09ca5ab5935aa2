// Reads a .DBZ dictionary: its header at once, a phrase on demand with three
// reads (block keys, one block of the index, the text). Every offset and
// length read from the file is checked against the file before use, so a
// truncated or damaged file yields "no dictionary" or "no such phrase",
// never a read outside it. The reader allocates nothing and throws nothing,
// which keeps the library that carries it cheap to load.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "lx32/ByteSource.h"

namespace tavrik::lx {

// Where a phrase's bytes lie in the source; checked against the text area,
// and never longer than kMaxPhraseLength.
struct PhraseLocation {
    std::uint64_t offset = 0;
    std::uint32_t length = 0;
};

class DbzDictionary {
public:
    // Checks the header against the source; nothing when it is not a
    // dictionary of a version this reader knows, or its areas do not fit the
    // source. The source must outlive the dictionary.
    static std::optional<DbzDictionary> Open(const ByteSource& source) noexcept;

    std::uint16_t CodePage() const { return codePage_; }
    std::uint8_t Charset() const { return charset_; }
    std::string_view Font() const { return std::string_view(font_, fontLength_); }
    std::uint32_t PhraseCount() const { return phraseCount_; }

    // False when the number is absent, or when the index that leads to it is
    // damaged or cannot be read.
    bool LocatePhrase(std::uint32_t number, PhraseLocation& location) const noexcept;
    // Copies the phrase's `location.length` bytes to `destination`.
    bool ReadPhrase(const PhraseLocation& location, char* destination) const noexcept;

    // Both steps into a string, for the tools and tests.
    bool FindPhrase(std::uint32_t number, std::string& text) const {
        PhraseLocation location;
        if (!LocatePhrase(number, location)) {
            return false;
        }
        std::string bytes(location.length, '\0');
        if (!ReadPhrase(location, bytes.data())) {
            return false;
        }
        text.swap(bytes);
        return true;
    }

private:
    explicit DbzDictionary(const ByteSource& source) noexcept : source_(&source) {}

    // The first entry and the entry count of the block that may hold
    // `number`; false when no block can.
    bool FindBlock(std::uint32_t number, std::uint32_t& first, std::uint32_t& count) const noexcept;

    const ByteSource* source_;
    std::uint16_t codePage_ = 0;
    std::uint8_t charset_ = 0;
    char font_[32] = {};
    std::size_t fontLength_ = 0;
    std::uint32_t phraseCount_ = 0;
    std::uint32_t entriesPerBlock_ = 0;
    std::uint32_t blockCount_ = 0;
    std::uint64_t blockKeysOffset_ = 0;
    std::uint64_t indexOffset_ = 0;
    std::uint64_t textOffset_ = 0;
    std::uint64_t textSize_ = 0;
};

}  // namespace tavrik::lx
