#include "vcl/StrToInt.h"

#include <gtest/gtest.h>

namespace tavrik::vcl {
namespace {

TEST(StrToIntDef, ConvertsOrFallsBackToTheDefault) {
    EXPECT_EQ(StrToIntDef("42", 0), 42);
    EXPECT_EQ(StrToIntDef("-7", 0), -7);
    EXPECT_EQ(StrToIntDef("$1F", 0), 31);
    EXPECT_EQ(StrToIntDef("0x10", 0), 16);
    EXPECT_EQ(StrToIntDef("  12", 0), 12);
    EXPECT_EQ(StrToIntDef("12 ", 5), 5);
    EXPECT_EQ(StrToIntDef("12abc", 5), 5);
    EXPECT_EQ(StrToIntDef("", 6), 6);
    EXPECT_EQ(StrToIntDef("-", 6), 6);
    EXPECT_EQ(StrToIntDef("$", 6), 6);
    EXPECT_EQ(StrToIntDef("abc", -3), -3);
}

TEST(StrToIntDef, StaysWithinThirtyTwoBits) {
    EXPECT_EQ(StrToIntDef("2147483647", 0), 2147483647);
    EXPECT_EQ(StrToIntDef("2147483648", 7), 7);
    EXPECT_EQ(StrToIntDef("-2147483648", 0), -2147483647 - 1);
    EXPECT_EQ(StrToIntDef("99999999999", 7), 7);
    EXPECT_EQ(StrToIntDef("$FFFFFFFF", 0), -1);
    EXPECT_EQ(StrToIntDef("$100000000", 7), 7);
}

}  // namespace
}  // namespace tavrik::vcl
