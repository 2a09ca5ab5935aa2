#include "lx32/DbzReader.h"

#include <algorithm>
#include <cstring>

#include "lx32/ByteOrder.h"
#include "lx32/DbzLayout.h"

namespace tavrik::lx {

namespace {

// Whether [offset, offset + size) lies after the header and inside the file.
bool AreaFits(std::uint64_t offset, std::uint64_t size, std::uint64_t headerSize,
              std::uint64_t fileSize) noexcept {
    return offset >= headerSize && offset <= fileSize && size <= fileSize - offset;
}

}  // namespace

std::optional<DbzDictionary> DbzDictionary::Open(const ByteSource& source) noexcept {
    unsigned char header[kHeaderSize];
    if (!source.ReadAt(0, header, sizeof header)) {
        return std::nullopt;
    }
    if (std::memcmp(header + kMagicOffset, kDbzMagic, sizeof kDbzMagic) != 0 ||
        LoadLe16(header + kVersionOffset) != kDbzVersion) {
        return std::nullopt;
    }
    const std::uint64_t headerSize = LoadLe16(header + kHeaderSizeOffset);
    const std::size_t fontLength = header[kFontLengthOffset];
    if (headerSize < kHeaderSize || fontLength > kMaxFontLength) {
        return std::nullopt;
    }

    DbzDictionary dictionary(source);
    dictionary.codePage_ = LoadLe16(header + kCodePageOffset);
    dictionary.charset_ = header[kCharsetOffset];
    std::memcpy(dictionary.font_, header + kFontOffset, fontLength);
    dictionary.fontLength_ = fontLength;
    dictionary.phraseCount_ = LoadLe32(header + kPhraseCountOffset);
    dictionary.indexOffset_ = LoadLe32(header + kIndexOffsetOffset);
    dictionary.textOffset_ = LoadLe32(header + kTextOffsetOffset);
    dictionary.textSize_ = LoadLe32(header + kTextSizeOffset);
    dictionary.blockKeysOffset_ = LoadLe32(header + kBlockKeysOffsetOffset);
    dictionary.entriesPerBlock_ = LoadLe16(header + kEntriesPerBlockOffset);

    const std::uint32_t perBlock = dictionary.entriesPerBlock_;
    if (perBlock == 0 || perBlock > kMaxEntriesPerBlock) {
        return std::nullopt;
    }
    const std::uint64_t blocks = (std::uint64_t{dictionary.phraseCount_} + perBlock - 1) / perBlock;
    if (blocks > kMaxBlockCount) {
        return std::nullopt;
    }
    dictionary.blockCount_ = static_cast<std::uint32_t>(blocks);

    // Products of 32-bit fields and small constants cannot overflow 64 bits.
    const std::uint64_t size = source.Size();
    if (!AreaFits(dictionary.blockKeysOffset_, blocks * kBlockKeySize, headerSize, size) ||
        !AreaFits(dictionary.indexOffset_, std::uint64_t{dictionary.phraseCount_} * kEntrySize,
                  headerSize, size) ||
        !AreaFits(dictionary.textOffset_, dictionary.textSize_, headerSize, size)) {
        return std::nullopt;
    }
    return dictionary;
}

bool DbzDictionary::FindBlock(std::uint32_t number, std::uint32_t& first,
                              std::uint32_t& count) const noexcept {
    unsigned char keys[kMaxBlockCount * kBlockKeySize];
    if (blockCount_ == 0 ||
        !source_->ReadAt(blockKeysOffset_, keys, std::size_t{blockCount_} * kBlockKeySize)) {
        return false;
    }
    // The last block whose first number is not above `number`. Damaged
    // (unsorted) keys only make the search miss.
    std::uint32_t low = 0;
    std::uint32_t high = blockCount_;
    while (low < high) {
        const std::uint32_t middle = low + (high - low) / 2;
        if (LoadLe32(keys + std::size_t{middle} * kBlockKeySize) <= number) {
            low = middle + 1;
        } else {
            high = middle;
        }
    }
    if (low == 0) {
        return false;
    }
    first = (low - 1) * entriesPerBlock_;
    count = std::min(entriesPerBlock_, phraseCount_ - first);
    return true;
}

bool DbzDictionary::LocatePhrase(std::uint32_t number, PhraseLocation& location) const noexcept {
    std::uint32_t first = 0;
    std::uint32_t count = 0;
    unsigned char block[kMaxEntriesPerBlock * kEntrySize];
    if (!FindBlock(number, first, count) ||
        !source_->ReadAt(indexOffset_ + std::uint64_t{first} * kEntrySize, block,
                         std::size_t{count} * kEntrySize)) {
        return false;
    }
    std::uint32_t low = 0;
    std::uint32_t high = count;
    while (low < high) {
        const std::uint32_t middle = low + (high - low) / 2;
        const unsigned char* entry = block + std::size_t{middle} * kEntrySize;
        const std::uint32_t found = LoadLe32(entry);
        if (found < number) {
            low = middle + 1;
        } else if (found > number) {
            high = middle;
        } else {
            const std::uint64_t offset = LoadLe32(entry + 4);
            const std::uint32_t length = LoadLe32(entry + 8);
            if (length > kMaxPhraseLength || offset + length > textSize_) {
                return false;
            }
            location.offset = textOffset_ + offset;
            location.length = length;
            return true;
        }
    }
    return false;
}

bool DbzDictionary::ReadPhrase(const PhraseLocation& location, char* destination) const noexcept {
    return location.length == 0 || source_->ReadAt(location.offset, destination, location.length);
}

}  // namespace tavrik::lx
