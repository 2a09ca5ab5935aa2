// What only the in-memory machine can set up; the shared cases are in
// tests/conformance.
#include <gtest/gtest.h>

#include "platform/fake/FakeMachine.h"
#include "platform/fake/ScopedCurrentMachine.h"
#include "trace/TraceLog.h"

namespace tavrik {
namespace {

using platform::FakeMachine;

TEST(TraceLog, GoesToDriveCWhateverTheStartDirectory) {
    FakeMachine machine;
    platform::ScopedCurrentMachine installed{machine};
    machine.AddDrive('E', platform::kDriveCdRom);
    machine.SetCurrentDirectory("E:\\");

    ResetTraceLog();
    AppendTraceLine("Recommendation");

    EXPECT_EQ(machine.ReadFile("C:\\TraceTavrik.log"), "Recommendation\r\n");
    EXPECT_FALSE(machine.FileExists("E:\\TraceTavrik.log"));
    EXPECT_EQ(machine.OpenHandleCount(), 0);
}

TEST(TraceLog, AnUnwritableDriveCLosesTheTraceSilently) {
    FakeMachine machine;
    platform::ScopedCurrentMachine installed{machine};
    machine.AddDrive('C', platform::kDriveCdRom);

    ResetTraceLog();
    AppendTraceLine("lost");

    EXPECT_FALSE(machine.FileExists("C:\\TraceTavrik.log"));
    EXPECT_EQ(machine.OpenHandleCount(), 0);
}

TEST(TraceLog, AReadOnlyLeftoverLogIsKeptAndNotWritten) {
    FakeMachine machine;
    platform::ScopedCurrentMachine installed{machine};
    machine.WriteFile("C:\\TraceTavrik.log", "old run\r\n");
    machine.MakeReadOnly("C:\\TraceTavrik.log");

    ResetTraceLog();
    AppendTraceLine("new run");

    EXPECT_EQ(machine.ReadFile("C:\\TraceTavrik.log"), "old run\r\n");
    EXPECT_EQ(machine.OpenHandleCount(), 0);
}

}  // namespace
}  // namespace tavrik
