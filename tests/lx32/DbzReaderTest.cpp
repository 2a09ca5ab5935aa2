#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>

#include "lx32/ByteOrder.h"
#include "lx32/DbzLayout.h"
#include "lx32/DbzReader.h"
#include "lx32/DbzWriter.h"
#include "lx32/FileByteSource.h"
#include "tests/lx32/TempDirectory.h"

namespace tavrik::lx {
namespace {

DbzContent SampleContent() {
    DbzContent content;
    content.codePage = 1251;
    content.charset = 204;
    content.font = "Arial";
    content.phrases = {{47044, "\xDD\xF2\xEE"},
                       {278, "first"},
                       {126844, ""},
                       {5000, "two\nlines"},
                       {2147483647, "last"}};
    return content;
}

std::string Serialise(const DbzContent& content) {
    std::string bytes;
    EXPECT_TRUE(WriteDbz(content, bytes));
    return bytes;
}

// The phrase, or "<none>" when the reader answers nothing.
std::string Lookup(const DbzDictionary& dictionary, std::uint32_t number) {
    std::string text;
    return dictionary.FindPhrase(number, text) ? text : "<none>";
}

unsigned char* Bytes(std::string& file) { return reinterpret_cast<unsigned char*>(file.data()); }

TEST(DbzReader, ReadsTheHeaderAndEveryPhraseWritten) {
    const DbzContent content = SampleContent();
    const std::string file = Serialise(content);
    MemoryByteSource source(file.data(), file.size());
    const auto dictionary = DbzDictionary::Open(source);
    ASSERT_TRUE(dictionary);
    EXPECT_EQ(dictionary->CodePage(), 1251);
    EXPECT_EQ(dictionary->Charset(), 204);
    EXPECT_EQ(dictionary->Font(), "Arial");
    EXPECT_EQ(dictionary->PhraseCount(), content.phrases.size());
    for (const DbzPhrase& phrase : content.phrases) {
        EXPECT_EQ(Lookup(*dictionary, phrase.number), phrase.text) << phrase.number;
    }
    for (std::uint32_t absent : {0u, 1u, 277u, 279u, 47043u, 126845u, 0xFFFFFFFFu}) {
        EXPECT_EQ(Lookup(*dictionary, absent), "<none>") << absent;
    }
}

TEST(DbzReader, FindsPhrasesOfLargeDictionariesAndNoneBetween) {
    // Numbers 7, 10, 13, ...; 200,000 phrases need blocks above the smallest size.
    for (std::uint32_t count : {20000u, 200000u}) {
        DbzContent content = SampleContent();
        content.phrases.clear();
        for (std::uint32_t i = 0; i < count; ++i) {
            content.phrases.push_back({3 * i + 7, "phrase " + std::to_string(i)});
        }
        std::shuffle(content.phrases.begin(), content.phrases.end(), std::mt19937(42));
        std::string file = Serialise(content);
        const std::uint32_t perBlock = LoadLe16(Bytes(file) + kEntriesPerBlockOffset);
        EXPECT_EQ(perBlock, count <= 131072 ? kMinEntriesPerBlock : (count + 1023) / 1024);
        MemoryByteSource source(file.data(), file.size());
        const auto dictionary = DbzDictionary::Open(source);
        ASSERT_TRUE(dictionary);
        EXPECT_EQ(Lookup(*dictionary, 6), "<none>");
        // Every phrase of the smaller one; the first and last of each block
        // and a sample of the others in the larger one.
        for (std::uint32_t i = 0; i < count; ++i) {
            const std::uint32_t inBlock = i % perBlock;
            if (count > 20000 && inBlock != 0 && inBlock != perBlock - 1 && i % 17 != 0) {
                continue;
            }
            const std::uint32_t number = 3 * i + 7;
            ASSERT_EQ(Lookup(*dictionary, number), "phrase " + std::to_string(i));
            ASSERT_EQ(Lookup(*dictionary, number + 1), "<none>");
        }
    }
}

TEST(DbzReader, RefusesEveryTruncationOfAFile) {
    const std::string file = Serialise(SampleContent());
    for (std::size_t length = 0; length < file.size(); ++length) {
        MemoryByteSource source(file.data(), length);
        EXPECT_FALSE(DbzDictionary::Open(source)) << "length " << length;
    }
}

TEST(DbzReader, RefusesDamagedHeaders) {
    struct Damage {
        const char* what;
        void (*apply)(unsigned char* header);
    };
    const Damage damages[] = {
        {"magic", [](unsigned char* h) { h[kMagicOffset + 3] ^= 0x20; }},
        {"newer version", [](unsigned char* h) { StoreLe16(h + kVersionOffset, 2); }},
        {"short header", [](unsigned char* h) { StoreLe16(h + kHeaderSizeOffset, 63); }},
        {"font too long", [](unsigned char* h) { h[kFontLengthOffset] = 32; }},
        {"index past the end", [](unsigned char* h) { StoreLe32(h + kIndexOffsetOffset, 1000); }},
        {"index in the header", [](unsigned char* h) { StoreLe32(h + kIndexOffsetOffset, 8); }},
        {"count past the end", [](unsigned char* h) { StoreLe32(h + kPhraseCountOffset, 20); }},
        {"huge count", [](unsigned char* h) { StoreLe32(h + kPhraseCountOffset, 0xFFFFFFFF); }},
        {"text in the header", [](unsigned char* h) { StoreLe32(h + kTextOffsetOffset, 0); }},
        {"text past the end", [](unsigned char* h) { StoreLe32(h + kTextSizeOffset, 0xFFFFFFF0); }},
        {"keys past the end", [](unsigned char* h) { StoreLe32(h + kBlockKeysOffsetOffset, 999); }},
        {"keys in the header", [](unsigned char* h) { StoreLe32(h + kBlockKeysOffsetOffset, 4); }},
        {"empty blocks", [](unsigned char* h) { StoreLe16(h + kEntriesPerBlockOffset, 0); }},
        {"huge blocks", [](unsigned char* h) { StoreLe16(h + kEntriesPerBlockOffset, 5000); }},
    };
    for (const Damage& damage : damages) {
        std::string file = Serialise(SampleContent());
        damage.apply(Bytes(file));
        MemoryByteSource source(file.data(), file.size());
        EXPECT_FALSE(DbzDictionary::Open(source)) << damage.what;
    }
}

TEST(DbzReader, ADamagedEntryLosesOnlyItsPhrase) {
    std::string file = Serialise(SampleContent());
    // Entries are sorted: 278, 5000, 47044, 126844, 2147483647.
    unsigned char* entries = Bytes(file) + LoadLe32(Bytes(file) + kIndexOffsetOffset);
    StoreLe32(entries + 1 * kEntrySize + 4, 0x7FFFFFF0);            // offset beyond the text
    StoreLe32(entries + 2 * kEntrySize + 8, kMaxPhraseLength + 1);  // length above the cap
    StoreLe32(entries + 4 * kEntrySize + 8, 1000);                  // length beyond the text
    MemoryByteSource source(file.data(), file.size());
    const auto dictionary = DbzDictionary::Open(source);
    ASSERT_TRUE(dictionary);
    EXPECT_EQ(Lookup(*dictionary, 5000), "<none>");
    EXPECT_EQ(Lookup(*dictionary, 47044), "<none>");
    EXPECT_EQ(Lookup(*dictionary, 2147483647), "<none>");
    EXPECT_EQ(Lookup(*dictionary, 278), "first");
    EXPECT_EQ(Lookup(*dictionary, 126844), "");
}

TEST(DbzReader, RefusesTextsBeyondTheDeclaredTextAreaEvenInsideTheFile) {
    std::string file = Serialise(SampleContent());
    StoreLe32(Bytes(file) + kTextSizeOffset, 5);  // only "first" (278) lies within
    MemoryByteSource source(file.data(), file.size());
    const auto dictionary = DbzDictionary::Open(source);
    ASSERT_TRUE(dictionary);
    EXPECT_EQ(Lookup(*dictionary, 278), "first");
    EXPECT_EQ(Lookup(*dictionary, 5000), "<none>");
    EXPECT_EQ(Lookup(*dictionary, 47044), "<none>");
}

TEST(DbzReader, AnswersFromTheTextAreaOnlyWhateverTheIndexHolds) {
    const std::string valid = Serialise(SampleContent());
    const std::uint32_t textOffset =
        LoadLe32(reinterpret_cast<const unsigned char*>(valid.data()) + kTextOffsetOffset);
    const std::string textArea = valid.substr(textOffset);
    std::mt19937 random(7);
    for (int round = 0; round < 2000; ++round) {
        std::string file = valid;
        for (std::size_t i = kHeaderSize; i < textOffset; ++i) {
            if (random() % 4 == 0) {
                file[i] = static_cast<char>(random());
            }
        }
        MemoryByteSource source(file.data(), file.size());
        const auto dictionary = DbzDictionary::Open(source);
        ASSERT_TRUE(dictionary);
        for (std::uint32_t number : {278u, 5000u, 47044u, 126844u, 2147483647u, 12u}) {
            std::string text;
            if (dictionary->FindPhrase(number, text)) {
                ASSERT_NE(textArea.find(text), std::string::npos);
            }
        }
    }
}

TEST(DbzReader, SurvivesRandomBytesAfterAValidPrefix) {
    const std::string valid = Serialise(SampleContent());
    std::mt19937 random(11);
    for (int round = 0; round < 5000; ++round) {
        std::string file(random() % 200, '\0');
        for (char& byte : file) {
            byte = static_cast<char>(random());
        }
        // Half the rounds keep the magic and version so that the checks
        // behind them are reached.
        if (round % 2 == 0 && file.size() >= 10) {
            file.replace(0, 10, valid, 0, 10);
        }
        MemoryByteSource source(file.data(), file.size());
        if (const auto dictionary = DbzDictionary::Open(source)) {
            std::string text;
            for (std::uint32_t number = 0; number < 64; ++number) {
                dictionary->FindPhrase(number, text);
                ASSERT_LE(text.size(), file.size());
            }
        }
    }
}

TEST(FileByteSource, ReadsByOffsetWithinTheFileOnly) {
    test::TempDirectory folder;
    const std::string path = folder.Write("data.bin", "0123456789");
    FileByteSource file(path.c_str());
    ASSERT_TRUE(file.IsOpen());
    EXPECT_EQ(file.Size(), 10u);
    char buffer[4] = {};
    ASSERT_TRUE(file.ReadAt(6, buffer, 4));
    EXPECT_EQ(std::string(buffer, 4), "6789");
    EXPECT_FALSE(file.ReadAt(7, buffer, 4));
    EXPECT_FALSE(file.ReadAt(0xFFFFFFFFFFFFFFFFull, buffer, 2));

    EXPECT_FALSE(FileByteSource((folder.Path() + "/missing").c_str()).IsOpen());
    EXPECT_FALSE(FileByteSource(folder.Path().c_str()).IsOpen());  // a folder is no dictionary

    // Opening another file closes the first; a failed open leaves none.
    ASSERT_TRUE(file.Open(folder.Write("other.bin", "abc").c_str()));
    EXPECT_EQ(file.Size(), 3u);
    EXPECT_FALSE(file.Open((folder.Path() + "/missing").c_str()));
    EXPECT_FALSE(file.IsOpen());
    EXPECT_FALSE(file.ReadAt(0, buffer, 1));
}

TEST(FileByteSource, AFileCutShortAfterOpeningFailsToRead) {
    test::TempDirectory folder;
    const std::string path = folder.Write("data.bin", "0123456789");
    FileByteSource file(path.c_str());
    ASSERT_TRUE(file.IsOpen());
    folder.Write("data.bin", "0123");
    char buffer[4] = {};
    EXPECT_FALSE(file.ReadAt(6, buffer, 4));
}

TEST(DbzWriter, RefusesContentBeyondTheFormat) {
    DbzContent content = SampleContent();
    std::string out = "untouched";
    content.font = std::string(kMaxFontLength + 1, 'F');
    EXPECT_FALSE(WriteDbz(content, out));
    content = SampleContent();
    content.phrases.push_back({278, "again"});
    EXPECT_FALSE(WriteDbz(content, out));
    content = SampleContent();
    content.phrases.push_back({0, "zero"});
    EXPECT_FALSE(WriteDbz(content, out));
    content = SampleContent();
    content.phrases.push_back({9, std::string(kMaxPhraseLength + 1, 'x')});
    EXPECT_FALSE(WriteDbz(content, out));
    EXPECT_EQ(out, "untouched");
}

}  // namespace
}  // namespace tavrik::lx
