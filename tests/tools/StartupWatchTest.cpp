#include "tools/bench/StartupWatch.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tavrik::bench {
namespace {

struct FinalCase {
    const char* name;
    std::vector<PixelGrab> grabs;
    double expected;
};

class FinalSinceTest : public ::testing::TestWithParam<FinalCase> {};

TEST_P(FinalSinceTest, IsTheStartOfTheLastUnchangedStretch) {
    EXPECT_EQ(FinalSince(GetParam().grabs), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Grabs, FinalSinceTest,
    ::testing::Values(
        FinalCase{"one_grab", {{12, 7}}, 12},
        FinalCase{"final_from_the_start", {{10, 7}, {20, 7}, {30, 7}}, 10},
        FinalCase{"painted_late", {{10, 1}, {20, 2}, {30, 7}, {40, 7}}, 30},
        // The final picture shown once, then another, then final for good.
        FinalCase{"passed_through_the_final_picture", {{10, 7}, {20, 3}, {30, 7}, {40, 7}}, 30},
        FinalCase{"changed_at_the_last_grab", {{10, 7}, {20, 7}, {30, 9}}, 30}),
    [](const auto& testCase) { return std::string(testCase.param.name); });

TEST(FinalSince, HasNoAnswerWithoutGrabs) { EXPECT_FALSE(FinalSince({}).has_value()); }

TEST(HashPixels, TellsPicturesApartThatDifferInOneByteOrInLength) {
    const unsigned char grey[] = {128, 128, 128, 0, 128, 128, 128, 0};
    const unsigned char oneDarker[] = {128, 128, 128, 0, 128, 127, 128, 0};
    EXPECT_EQ(HashPixels(grey, sizeof grey), HashPixels(grey, sizeof grey));
    EXPECT_NE(HashPixels(grey, sizeof grey), HashPixels(oneDarker, sizeof oneDarker));
    EXPECT_NE(HashPixels(grey, sizeof grey), HashPixels(grey, 4));
}

TEST(ParseWatchOptions, ReadsEveryOptionAroundTheProgram) {
    const ParsedWatchOptions parsed = ParseWatchOptions(
        {"--title", "Install", "--class", "TavrikForm", "--close-key", "f1", "D:\\tavrik.exe",
         "--grab-ms", "1000", "--every-ms", "20", "--timeout-ms", "5000"});
    ASSERT_TRUE(parsed.options) << parsed.error;
    EXPECT_EQ(parsed.options->program, "D:\\tavrik.exe");
    EXPECT_EQ(parsed.options->titlePrefix, "Install");
    EXPECT_EQ(parsed.options->windowClass, "TavrikForm");
    EXPECT_EQ(parsed.options->closeKey, 0x70u);
    EXPECT_EQ(parsed.options->grabMs, 1000);
    EXPECT_EQ(parsed.options->everyMs, 20);
    EXPECT_EQ(parsed.options->timeoutMs, 5000);
}

TEST(ParseWatchOptions, ClosesByMessageUnlessAKeyIsGiven) {
    const ParsedWatchOptions parsed = ParseWatchOptions({"floor.exe"});
    ASSERT_TRUE(parsed.options);
    EXPECT_EQ(parsed.options->closeKey, 0u);
    EXPECT_TRUE(parsed.options->titlePrefix.empty());
    EXPECT_TRUE(parsed.options->windowClass.empty());
}

struct BadCase {
    std::vector<std::string> args;
    const char* error;
};

class BadOptionsTest : public ::testing::TestWithParam<BadCase> {};

TEST_P(BadOptionsTest, AreRefusedWithTheirFaultNamed) {
    const ParsedWatchOptions parsed = ParseWatchOptions(GetParam().args);
    EXPECT_FALSE(parsed.options);
    EXPECT_EQ(parsed.error, GetParam().error);
}

INSTANTIATE_TEST_SUITE_P(
    Options, BadOptionsTest,
    ::testing::Values(
        BadCase{{}, "no program to start"},
        BadCase{{"a.exe", "b.exe"}, "more than one program: b.exe"},
        BadCase{{"a.exe", "--title"}, "--title needs a value"},
        BadCase{{"--close-key", "F13", "a.exe"}, "unknown key F13"},
        BadCase{{"--close-key", "F", "a.exe"}, "unknown key F"},
        BadCase{{"--grab-ms", "0", "a.exe"}, "--grab-ms takes a whole number of ms from 1: 0"},
        BadCase{{"--every-ms", "-5", "a.exe"}, "--every-ms takes a whole number of ms from 1: -5"},
        BadCase{{"--grab-ms", "5", "--every-ms", "10", "a.exe"},
                "--every-ms is longer than --grab-ms: no second grab to compare"},
        BadCase{{"--wait", "1", "a.exe"}, "unknown option --wait"}));

}  // namespace
}  // namespace tavrik::bench
