#include <gtest/gtest.h>

#include "util/StringUtilities.h"

namespace tavrik {
namespace {

TEST(ReplaceFirstStar, ReplacesOnlyTheFirstStar) {
    EXPECT_EQ(ReplaceFirstStar("Start * now", "Solvane Interface"), "Start Solvane Interface now");
    EXPECT_EQ(ReplaceFirstStar("* and *", "X"), "X and *");
    EXPECT_EQ(ReplaceFirstStar("no star", "X"), "no star");
    EXPECT_EQ(ReplaceFirstStar("*", ""), "");
    EXPECT_EQ(ReplaceFirstStar("", "X"), "");
}

TEST(CapitaliseFirst, UpperCasesOnlyTheFirstCharacter) {
    std::string text = "fermez les applications";
    CapitaliseFirst(text);
    EXPECT_EQ(text, "Fermez les applications");

    std::string already = "OK ok";
    CapitaliseFirst(already);
    EXPECT_EQ(already, "OK ok");

    std::string empty;
    CapitaliseFirst(empty);
    EXPECT_EQ(empty, "");

    std::string high = "\xe9t\xe9";  // bytes above 127 are left to the C locale
    CapitaliseFirst(high);
    EXPECT_EQ(high.size(), 3u);
    EXPECT_EQ(high.substr(1), "t\xe9");
}

TEST(IndexBelowCount, ComparesWithTheCountAsANumber) {
    EXPECT_TRUE(IndexBelowCount(0, "1"));
    EXPECT_FALSE(IndexBelowCount(1, "1"));
    EXPECT_TRUE(IndexBelowCount(9, "10"));  // not a text comparison
    EXPECT_FALSE(IndexBelowCount(0, "0"));
    EXPECT_TRUE(IndexBelowCount(2, " 3 "));
    EXPECT_FALSE(IndexBelowCount(0, "-2"));
}

TEST(IndexBelowCount, ABrokenCountMeansAnEmptyList) {
    EXPECT_FALSE(IndexBelowCount(0, ""));
    EXPECT_FALSE(IndexBelowCount(0, "three"));
    EXPECT_FALSE(IndexBelowCount(0, "3x"));
    EXPECT_FALSE(IndexBelowCount(0, "99999999999999999999"));
}

}  // namespace
}  // namespace tavrik
