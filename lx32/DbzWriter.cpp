#include "lx32/DbzWriter.h"

#include <algorithm>
#include <cstring>

#include "lx32/ByteOrder.h"
#include "lx32/DbzLayout.h"

namespace tavrik::lx {

namespace {

bool WithinLimits(const DbzContent& content, const std::vector<const DbzPhrase*>& sorted) {
    if (content.font.size() > kMaxFontLength || sorted.size() > kMaxPhraseCount) {
        return false;
    }
    std::uint64_t total = kHeaderSize + std::uint64_t{sorted.size()} * (kEntrySize + kBlockKeySize);
    for (std::size_t i = 0; i < sorted.size(); ++i) {
        const DbzPhrase& phrase = *sorted[i];
        if (phrase.number < kMinPhraseNumber || phrase.number > kMaxPhraseNumber ||
            phrase.text.size() > kMaxPhraseLength ||
            (i > 0 && sorted[i - 1]->number == phrase.number)) {
            return false;
        }
        total += phrase.text.size();
    }
    return total <= 0xFFFFFFFFu;
}

}  // namespace

bool WriteDbz(const DbzContent& content, std::string& out) {
    std::vector<const DbzPhrase*> sorted;
    sorted.reserve(content.phrases.size());
    for (const DbzPhrase& phrase : content.phrases) {
        sorted.push_back(&phrase);
    }
    std::sort(sorted.begin(), sorted.end(),
              [](const DbzPhrase* a, const DbzPhrase* b) { return a->number < b->number; });
    if (!WithinLimits(content, sorted)) {
        return false;
    }

    const auto count = static_cast<std::uint32_t>(sorted.size());
    // Blocks of the smallest size that keeps their number within the cap.
    const std::uint32_t perBlock =
        std::max(kMinEntriesPerBlock, (count + kMaxBlockCount - 1) / kMaxBlockCount);
    const std::uint32_t blocks = (count + perBlock - 1) / perBlock;
    const auto keysOffset = static_cast<std::uint32_t>(kHeaderSize);
    const auto indexOffset = static_cast<std::uint32_t>(keysOffset + blocks * kBlockKeySize);
    const auto textOffset = static_cast<std::uint32_t>(indexOffset + count * kEntrySize);
    std::uint32_t textSize = 0;
    for (const DbzPhrase* phrase : sorted) {
        textSize += static_cast<std::uint32_t>(phrase->text.size());
    }

    std::string bytes(std::size_t{textOffset} + textSize, '\0');
    auto* base = reinterpret_cast<unsigned char*>(bytes.data());
    std::memcpy(base + kMagicOffset, kDbzMagic, sizeof kDbzMagic);
    StoreLe16(base + kVersionOffset, kDbzVersion);
    StoreLe16(base + kHeaderSizeOffset, static_cast<std::uint16_t>(kHeaderSize));
    StoreLe16(base + kCodePageOffset, content.codePage);
    base[kCharsetOffset] = content.charset;
    base[kFontLengthOffset] = static_cast<unsigned char>(content.font.size());
    std::memcpy(base + kFontOffset, content.font.data(), content.font.size());
    StoreLe32(base + kPhraseCountOffset, count);
    StoreLe32(base + kIndexOffsetOffset, indexOffset);
    StoreLe32(base + kTextOffsetOffset, textOffset);
    StoreLe32(base + kTextSizeOffset, textSize);
    StoreLe32(base + kBlockKeysOffsetOffset, keysOffset);
    StoreLe16(base + kEntriesPerBlockOffset, static_cast<std::uint16_t>(perBlock));

    std::uint32_t offset = 0;
    for (std::uint32_t i = 0; i < count; ++i) {
        const DbzPhrase& phrase = *sorted[i];
        const auto length = static_cast<std::uint32_t>(phrase.text.size());
        if (i % perBlock == 0) {
            StoreLe32(base + keysOffset + (i / perBlock) * kBlockKeySize, phrase.number);
        }
        unsigned char* entry = base + indexOffset + std::size_t{i} * kEntrySize;
        StoreLe32(entry, phrase.number);
        StoreLe32(entry + 4, offset);
        StoreLe32(entry + 8, length);
        std::memcpy(base + textOffset + offset, phrase.text.data(), length);
        offset += length;
    }
    out.swap(bytes);
    return true;
}

}  // namespace tavrik::lx
