#include "platform/fake/Wildcard.h"

#include <gtest/gtest.h>

namespace tavrik::platform {
namespace {

TEST(Wildcard, StarDotStarAndStarMatchEveryName) {
    for (const char* name : {"a.txt", "README", ".hidden", "a.b.c", "."}) {
        EXPECT_TRUE(MatchesFileNamePattern("*.*", name)) << name;
        EXPECT_TRUE(MatchesFileNamePattern("*", name)) << name;
    }
    EXPECT_FALSE(MatchesFileNamePattern("", "a"));
}

TEST(Wildcard, ExtensionPatternMatchesTheWholeLastExtensionWithoutCase) {
    EXPECT_TRUE(MatchesFileNamePattern("*.bmp", "FLAG_FR.BMP"));
    EXPECT_TRUE(MatchesFileNamePattern("*.bmp", "a.b.bmp"));
    EXPECT_TRUE(MatchesFileNamePattern("*.BMP", ".bmp"));
    EXPECT_FALSE(MatchesFileNamePattern("*.bmp", "a.bmpx"));
    EXPECT_FALSE(MatchesFileNamePattern("*.bmp", "a.bmp.txt"));
    EXPECT_FALSE(MatchesFileNamePattern("*.bmp", "bmp"));
}

TEST(Wildcard, StarDotMatchesOnlyNamesWithoutExtension) {
    EXPECT_TRUE(MatchesFileNamePattern("*.", "README"));
    EXPECT_FALSE(MatchesFileNamePattern("*.", "read.me"));
}

TEST(Wildcard, QuestionMarksMayMatchNothingAtADotOrTheEnd) {
    EXPECT_TRUE(MatchesFileNamePattern("????.txt", "ab.txt"));
    EXPECT_TRUE(MatchesFileNamePattern("????.txt", "abcd.txt"));
    EXPECT_FALSE(MatchesFileNamePattern("????.txt", "abcde.txt"));
    EXPECT_TRUE(MatchesFileNamePattern("a?", "a"));
    EXPECT_TRUE(MatchesFileNamePattern("*.hta?", "page.hta"));
    EXPECT_FALSE(MatchesFileNamePattern("a?c", "ac"));  // inside a name: exactly one
}

TEST(Wildcard, InnerStarsAndLiterals) {
    EXPECT_TRUE(MatchesFileNamePattern("Solvane*.lnk", "solvane office.LNK"));
    EXPECT_TRUE(MatchesFileNamePattern("*a*a*", "banana"));
    EXPECT_FALSE(MatchesFileNamePattern("*a*a*", "bank"));
    EXPECT_TRUE(MatchesFileNamePattern("setup.exe", "SETUP.EXE"));
    EXPECT_FALSE(MatchesFileNamePattern("setup.exe", "setup.exe2"));
}

}  // namespace
}  // namespace tavrik::platform
