#include "platform/fake/CaseFolding.h"

#include <gtest/gtest.h>

namespace tavrik::platform {
namespace {

TEST(CaseFolding, WesternLettersCompareWithoutCase) {
    EXPECT_TRUE(EqualsIgnoringCase("Setup.INI", "setup.ini"));
    EXPECT_TRUE(EqualsIgnoringCase("\xE9t\xE9", "\xC9T\xC9"));  // été / ÉTÉ
    EXPECT_TRUE(EqualsIgnoringCase("\x9C", "\x8C"));            // œ / Œ
    EXPECT_FALSE(EqualsIgnoringCase("\xF7", "\xD7"));           // ÷ and × are not letters
    EXPECT_FALSE(EqualsIgnoringCase("ab", "abc"));
}

TEST(CaseFolding, KeysSortByUpperCaseCodeUnits) {
    // Upper-casing first puts "a" before "_" (0x41 < 0x5F), unlike bytes.
    EXPECT_LT(CaseFoldedKey("a"), CaseFoldedKey("_"));
    EXPECT_LT(CaseFoldedKey("B"), CaseFoldedKey("c"));
    EXPECT_LT(CaseFoldedKey("ab"), CaseFoldedKey("AB_"));
    // In code page 1252, 0x8A is U+0160 and sorts after every Latin-1 letter.
    EXPECT_LT(CaseFoldedKey("\xFE"), CaseFoldedKey("\x8A"));
}

}  // namespace
}  // namespace tavrik::platform
