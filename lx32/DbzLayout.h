// The layout of a .DBZ dictionary file, shared by the writer and the reader.
// lx32/FORMAT.md describes it in prose.
#pragma once

#include <cstddef>
#include <cstdint>

namespace tavrik::lx {

constexpr unsigned char kDbzMagic[8] = {'T', 'V', 'K', 'D', 'B', 'Z', '\r', '\n'};
constexpr std::uint16_t kDbzVersion = 1;

// Header fields, by byte offset.
constexpr std::size_t kMagicOffset = 0;
constexpr std::size_t kVersionOffset = 8;
constexpr std::size_t kHeaderSizeOffset = 10;
constexpr std::size_t kCodePageOffset = 12;
constexpr std::size_t kCharsetOffset = 14;
constexpr std::size_t kFontLengthOffset = 15;
constexpr std::size_t kFontOffset = 16;
constexpr std::size_t kFontFieldSize = 32;
constexpr std::size_t kPhraseCountOffset = 48;
constexpr std::size_t kIndexOffsetOffset = 52;
constexpr std::size_t kTextOffsetOffset = 56;
constexpr std::size_t kTextSizeOffset = 60;
constexpr std::size_t kBlockKeysOffsetOffset = 64;
constexpr std::size_t kEntriesPerBlockOffset = 68;
constexpr std::size_t kHeaderSize = 72;

// One index entry: phrase number, offset in the text area, length in bytes.
constexpr std::size_t kEntrySize = 12;

// The index is cut into blocks of entries; the block keys (the first number
// of each block) let a lookup read the keys, one block and one text: a few
// reads whatever the size of the dictionary. The writer uses blocks of
// kMinEntriesPerBlock entries and larger ones only beyond
// kMaxBlockCount blocks. The caps bound what the reader holds on its stack.
constexpr std::size_t kBlockKeySize = 4;
constexpr std::uint32_t kMinEntriesPerBlock = 128;
constexpr std::uint32_t kMaxEntriesPerBlock = 1024;
constexpr std::uint32_t kMaxBlockCount = 1024;
constexpr std::uint32_t kMaxPhraseCount = kMaxEntriesPerBlock * kMaxBlockCount;

// A Windows font face holds at most 31 characters and its terminating NUL.
constexpr std::size_t kMaxFontLength = kFontFieldSize - 1;

// Phrases are short user-interface texts; the cap keeps a damaged length
// from making the reader allocate a large buffer.
constexpr std::uint32_t kMaxPhraseLength = 65535;

// Phrase numbers are a Windows `long` (32 bits) and positive.
constexpr std::uint32_t kMinPhraseNumber = 1;
constexpr std::uint32_t kMaxPhraseNumber = 2147483647u;

}  // namespace tavrik::lx
