#include <gtest/gtest.h>

#include "ConformanceSupport.h"
#include "trace/TraceLog.h"

namespace tavrik {
namespace {

using conformance::ReadWholeFile;

class TraceLogCases : public ::testing::Test {
protected:
    void TearDown() override { platform::CurrentMachine().RemoveFile(kTraceLogPath); }
};

TEST_F(TraceLogCases, ASecondRunKeepsOnlyItsOwnLines) {
    ResetTraceLog();
    AppendTraceLine("Recommendation");
    AppendTraceLine("On_Page_Choix_LG");
    ASSERT_EQ(ReadWholeFile(kTraceLogPath), "Recommendation\r\nOn_Page_Choix_LG\r\n");

    ResetTraceLog();
    EXPECT_EQ(ReadWholeFile(kTraceLogPath), "");
    AppendTraceLine("Systeme non valide");
    EXPECT_EQ(ReadWholeFile(kTraceLogPath), "Systeme non valide\r\n");
}

TEST_F(TraceLogCases, LinesAreWrittenByteForByte) {
    ResetTraceLog();
    AppendTraceLine("");
    AppendTraceLine("already ended\r\n");
    AppendTraceLine("versionCD=5.2\xe9\x80");
    AppendTraceLine(std::string("nul\0inside", 10));
    const char expected[] = "\r\nalready ended\r\n\r\nversionCD=5.2\xe9\x80\r\nnul\0inside\r\n";
    EXPECT_EQ(ReadWholeFile(kTraceLogPath), std::string(expected, sizeof expected - 1));
}

TEST_F(TraceLogCases, ALogDeletedDuringTheRunIsNeverRecreated) {
    ResetTraceLog();
    AppendTraceLine("before");
    ASSERT_TRUE(platform::CurrentMachine().RemoveFile(kTraceLogPath));
    AppendTraceLine("after");
    AppendTraceLine("and later");
    EXPECT_FALSE(platform::CurrentMachine().FileExists(kTraceLogPath));
}

TEST_F(TraceLogCases, ResetReplacesALeftoverLogOfAnyContent) {
    const platform::Handle old = platform::CurrentMachine().OpenFile(
        kTraceLogPath, platform::FileAccess::Write, platform::FileCreation::CreateAlways);
    ASSERT_NE(old, platform::kNoHandle);
    const std::string leftover(10000, 'x');
    platform::CurrentMachine().WriteFile(old, leftover.data(), leftover.size());
    platform::CurrentMachine().CloseFile(old);

    ResetTraceLog();
    AppendTraceLine("short");
    EXPECT_EQ(ReadWholeFile(kTraceLogPath), "short\r\n");
}

}  // namespace
}  // namespace tavrik
