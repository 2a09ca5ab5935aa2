#include <gtest/gtest.h>

#include <string>

#include "lx32/compiler/Utf8.h"

namespace tavrik::lx {
namespace {

TEST(Utf8, DecodesEverySequenceLength) {
    const std::string text = "A\xC3\xA9\xE2\x82\xAC\xF0\x9F\x98\x80";  // A é € 😀
    std::size_t position = 0;
    char32_t codePoint = 0;
    for (char32_t expected : {U'A', U'\u00E9', U'\u20AC', U'\U0001F600'}) {
        ASSERT_TRUE(DecodeUtf8(text, position, codePoint));
        EXPECT_EQ(codePoint, expected);
    }
    EXPECT_EQ(position, text.size());
    EXPECT_FALSE(DecodeUtf8(text, position, codePoint));
}

TEST(Utf8, FindsTheFirstInvalidByte) {
    struct Case {
        std::string text;
        std::size_t invalidAt;
    };
    const Case cases[] = {
        {"plain", std::string::npos},
        {"ab\x80", 2},                // a lone continuation byte
        {"\xC0\x80", 0},              // overlong NUL
        {"x\xE0\x80\xAF", 1},         // overlong '/'
        {"\xED\xA0\x80", 0},          // a surrogate
        {"\xF4\x90\x80\x80", 0},      // above U+10FFFF
        {"ok\xE2\x82", 2},            // cut short
        {"\xE2(\xAC", 0},             // a missing continuation
        {"\xF8\x88\x80\x80\x80", 0},  // five-byte form
        {"\xC3\xA9\xFF", 2},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(FindInvalidUtf8(c.text), c.invalidAt) << c.text;
    }
}

}  // namespace
}  // namespace tavrik::lx
