#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "PeBuilder.h"
#include "PeImage.h"

namespace tavrik::pecheck {
namespace {

PeLayout TwoDlls() {
    PeLayout layout;
    layout.imports = {{"KERNEL32.dll", {"CreateFileA", "#17"}}, {"msvcrt.dll", {"malloc"}}};
    return layout;
}

std::vector<std::string> Names(const PeImage& image) {
    std::vector<std::string> names;
    for (const Import& import : image.imports) {
        names.push_back(
            import.dll + "!" +
            (import.function.empty() ? "#" + std::to_string(import.ordinal) : import.function) +
            (import.delayLoaded ? " delayed" : ""));
    }
    return names;
}

TEST(PeImage, ReadsVersionsAndImportsOf32And64BitImages) {
    for (bool is64Bit : {false, true}) {
        PeLayout layout = TwoDlls();
        layout.is64Bit = is64Bit;
        layout.machine = is64Bit ? 0x8664 : 0x14c;
        layout.subsystemMajor = 6;
        layout.subsystemMinor = 1;
        layout.osMajor = 4;
        PeImage image;
        std::string error;
        ASSERT_TRUE(ParsePeImage(BuildPe(layout), image, error)) << error;
        EXPECT_EQ(is64Bit, image.is64Bit);
        EXPECT_EQ(layout.machine, image.machine);
        EXPECT_EQ(6, image.subsystemMajor);
        EXPECT_EQ(1, image.subsystemMinor);
        EXPECT_EQ(4, image.osMajor);
        EXPECT_EQ(0, image.osMinor);
        EXPECT_EQ(3, image.subsystem);
        EXPECT_EQ((std::vector<std::string>{"KERNEL32.dll!CreateFileA", "KERNEL32.dll!#17",
                                            "msvcrt.dll!malloc"}),
                  Names(image));
    }
}

TEST(PeImage, ReadsDelayLoadedImportsAndImagesWithoutImports) {
    PeLayout layout;
    layout.imports = {{"SHELL32.dll", {"SHGetFolderPathA"}}};
    layout.delayLoaded = true;
    PeImage image;
    std::string error;
    ASSERT_TRUE(ParsePeImage(BuildPe(layout), image, error)) << error;
    EXPECT_EQ(std::vector<std::string>{"SHELL32.dll!SHGetFolderPathA delayed"}, Names(image));

    ASSERT_TRUE(ParsePeImage(BuildPe(PeLayout()), image, error)) << error;
    EXPECT_TRUE(image.imports.empty());
}

TEST(PeImage, RejectsWhatIsNotAnImage) {
    PeImage image;
    std::string error;
    EXPECT_FALSE(ParsePeImage({}, image, error));
    EXPECT_FALSE(error.empty());
    EXPECT_FALSE(ParsePeImage({'M', 'Z'}, image, error));
    std::vector<unsigned char> bytes = BuildPe(TwoDlls());
    bytes[0x41] = 'X';  // the PE signature
    EXPECT_FALSE(ParsePeImage(bytes, image, error));
    EXPECT_EQ("no PE signature", error);
}

// Every prefix of a valid image is read without touching a byte outside it
// (the sanitizer build turns such a read into a failure).
TEST(PeImage, EveryTruncationIsRejectedSafely) {
    const std::vector<unsigned char> whole = BuildPe(TwoDlls());
    for (std::size_t length = 0; length < whole.size(); ++length) {
        const std::vector<unsigned char> part(whole.begin(), whole.begin() + length);
        PeImage image;
        std::string error;
        if (!ParsePeImage(part, image, error)) {
            EXPECT_FALSE(error.empty()) << length;
        }
    }
}

TEST(PeImage, CorruptTablesAreRejected) {
    const std::vector<unsigned char> whole = BuildPe(TwoDlls());
    PeImage image;
    std::string error;

    std::vector<unsigned char> bytes = whole;
    bytes[kOptionalHeaderOffset + 96 + 8 + 3] = 0x7F;  // import table far outside the file
    EXPECT_FALSE(ParsePeImage(bytes, image, error));
    EXPECT_EQ("import table runs outside the file", error);

    // Every byte after the descriptors non-zero: names lose their end and
    // the lists never end inside the section.
    bytes = whole;
    for (std::size_t at = kSectionDataOffset + 60; at < bytes.size(); ++at) {
        bytes[at] = 0x41;
    }
    EXPECT_FALSE(ParsePeImage(bytes, image, error));
    EXPECT_FALSE(error.empty());
}

TEST(PeImage, ReadsExportedNamesAndRejectsATableOutsideTheFile) {
    for (bool is64Bit : {false, true}) {
        PeLayout layout = TwoDlls();
        layout.is64Bit = is64Bit;
        layout.exports = {"@LX_API_GetDicoPhrase$ql", "Second"};
        PeImage image;
        std::string error;
        std::vector<unsigned char> bytes = BuildPe(layout);
        ASSERT_TRUE(ParsePeImage(bytes, image, error)) << error;
        EXPECT_EQ(layout.exports, image.exports);
        EXPECT_EQ(3u, image.imports.size());

        // The list of name addresses moved far outside the file.
        bytes[kSectionDataOffset + ExportTableOffset(layout) + 32 + 3] = 0x7F;
        EXPECT_FALSE(ParsePeImage(bytes, image, error));
        EXPECT_EQ("unreadable exported name", error);
    }
}

}  // namespace
}  // namespace tavrik::pecheck
