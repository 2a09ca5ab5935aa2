#include <gtest/gtest.h>
#include <iconv.h>

#include <string>

#include "lx32/compiler/CodePages.h"

namespace tavrik::lx {
namespace {

// The system converter's reading of one byte; 0 when it calls it undefined.
char32_t SystemDecode(unsigned codePage, unsigned char byte) {
    const std::string name = "CP" + std::to_string(codePage);
    iconv_t converter = iconv_open("UTF-32LE", name.c_str());
    if (converter == reinterpret_cast<iconv_t>(-1)) {
        ADD_FAILURE() << "the system converter does not know " << name;
        return 0;
    }
    char in[1] = {static_cast<char>(byte)};
    unsigned char out[8] = {};
    char* inPointer = in;
    char* outPointer = reinterpret_cast<char*>(out);
    std::size_t inLeft = 1;
    std::size_t outLeft = sizeof out;
    const std::size_t result = iconv(converter, &inPointer, &inLeft, &outPointer, &outLeft);
    iconv_close(converter);
    if (result == static_cast<std::size_t>(-1) || sizeof out - outLeft != 4) {
        return 0;
    }
    return static_cast<char32_t>(out[0] | (out[1] << 8) | (out[2] << 16) | (out[3] << 24));
}

std::string Encode(unsigned codePage, const std::string& utf8) {
    std::string out;
    const auto missing = EncodeToCodePage(utf8, *FindCodePage(codePage), out);
    return missing ? "<missing U+" + std::to_string(*missing) + ">" : out;
}

TEST(CodePages, TablesAgreeWithTheSystemConverter) {
    const auto supported = SupportedCodePages();
    for (unsigned number : {1250u, 1251u, 1252u, 1253u, 1254u, 1257u}) {
        EXPECT_NE(FindCodePage(number), nullptr) << number;
    }
    for (unsigned number : supported) {
        const CodePage& codePage = *FindCodePage(number);
        for (unsigned byte = 0x80; byte <= 0xFF; ++byte) {
            EXPECT_EQ(static_cast<char32_t>(codePage.high[byte - 0x80]),
                      SystemDecode(number, static_cast<unsigned char>(byte)))
                << "code page " << number << " byte " << std::hex << byte;
        }
    }
}

TEST(CodePages, EveryDefinedByteComesBackFromItsCharacter) {
    for (unsigned number : SupportedCodePages()) {
        const CodePage& codePage = *FindCodePage(number);
        for (unsigned byte = 0x80; byte <= 0xFF; ++byte) {
            const char16_t c = codePage.high[byte - 0x80];
            if (c == 0) {
                continue;
            }
            std::string utf8;
            if (c < 0x800) {
                utf8 = {static_cast<char>(0xC0 | (c >> 6)), static_cast<char>(0x80 | (c & 0x3F))};
            } else {
                utf8 = {static_cast<char>(0xE0 | (c >> 12)),
                        static_cast<char>(0x80 | ((c >> 6) & 0x3F)),
                        static_cast<char>(0x80 | (c & 0x3F))};
            }
            EXPECT_EQ(Encode(number, utf8), std::string(1, static_cast<char>(byte)))
                << "code page " << number << " byte " << std::hex << byte;
        }
    }
}

TEST(CodePages, ConvertsTextAndNamesTheFirstCharacterItCannotHold) {
    EXPECT_EQ(Encode(1251, "Язык ok"), "\xDF\xE7\xFB\xEA ok");
    EXPECT_EQ(Encode(1250, "Zażółć"), "Za\xBF\xF3\xB3\xE6");
    EXPECT_EQ(Encode(1252, "Café €"), "Caf\xE9 \x80");
    EXPECT_EQ(Encode(1253, "Ελλάδα"), "\xC5\xEB\xEB\xDC\xE4\xE1");
    EXPECT_EQ(Encode(1254, "Işık"), "I\xFE\xFDk");
    EXPECT_EQ(Encode(1257, "Ąžuolas"), "\xC0\xFEuolas");
    EXPECT_EQ(Encode(1251, "a中b"), "<missing U+" + std::to_string(0x4E2D) + ">");
    EXPECT_EQ(Encode(1252, "Язык"), "<missing U+" + std::to_string(0x042F) + ">");
    EXPECT_EQ(Encode(1252, "\xC2\x81"), "<missing U+" + std::to_string(0x81) + ">");
    EXPECT_EQ(FindCodePage(936), nullptr);
    EXPECT_EQ(FindCodePage(0), nullptr);
}

}  // namespace
}  // namespace tavrik::lx
