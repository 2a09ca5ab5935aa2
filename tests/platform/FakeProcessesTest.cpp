#include <gtest/gtest.h>

#include "platform/fake/FakeMachine.h"

namespace tavrik::platform {
namespace {

const std::string kStop = "c:\\app\\qxdiag\\qxd.bat stop >nul";
const std::string kSetup = "E:\\setup.exe -s -f1E:\\install.iss -f2D:\\setup.log";

TEST(FakeProcesses, AnUnscriptedCommandLineFailsToStartButIsRecorded) {
    FakeMachine machine;
    ProcessInfo info;
    EXPECT_FALSE(machine.StartProcess("notepad.exe", StartOptions{}, info));
    EXPECT_EQ(info.process, kNoHandle);
    ASSERT_EQ(machine.ProcessStarts().size(), 1u);
    EXPECT_FALSE(machine.ProcessStarts()[0].started);
    EXPECT_EQ(machine.OpenHandleCount(), 0);
}

TEST(FakeProcesses, AProcessThatEndsAtOnceRunsItsEffectsAndCountsItsHandles) {
    FakeMachine machine;
    machine.AddDirectory("C:\\app\\qxdiag");
    ProcessScript script;
    script.exitCode = 3;
    script.onStart = [](FakeMachine& m) { m.WriteFile("C:\\app\\qxdiag\\stopped", "1"); };
    machine.ScriptProcess(kStop, script);

    StartOptions options;
    options.hidden = true;
    options.currentDirectory = "c:\\app\\qxdiag\\";
    ProcessInfo info;
    ASSERT_TRUE(machine.StartProcess(kStop, options, info));
    EXPECT_TRUE(machine.FileExists("C:\\app\\qxdiag\\stopped"));
    EXPECT_NE(info.process, info.thread);
    EXPECT_NE(info.processId, 0u);
    EXPECT_EQ(machine.OpenHandleCount(), 2);

    EXPECT_EQ(machine.WaitForProcess(info.process, kInfinite), WaitResult::Signalled);
    std::uint32_t code = 0;
    EXPECT_TRUE(machine.ProcessExitCode(info.process, code));
    EXPECT_EQ(code, 3u);
    EXPECT_FALSE(machine.ProcessExitCode(info.thread, code));  // not a process handle
    EXPECT_TRUE(machine.CloseHandle(info.process));
    EXPECT_TRUE(machine.CloseHandle(info.thread));
    EXPECT_FALSE(machine.CloseHandle(info.thread));
    EXPECT_EQ(machine.OpenHandleCount(), 0);
    EXPECT_EQ(machine.WaitForProcess(info.process, 0), WaitResult::Failed);

    const ProcessStart& start = machine.ProcessStarts().at(0);
    EXPECT_TRUE(start.started);
    EXPECT_TRUE(start.options.hidden);
    EXPECT_FALSE(start.options.newConsole);
    EXPECT_EQ(start.options.currentDirectory, "c:\\app\\qxdiag\\");
}

TEST(FakeProcesses, ARunningProcessIsPolledUntilTheTestEndsIt) {
    FakeMachine machine;
    int ended = 0;
    ProcessScript script;
    script.keepsRunning = true;
    script.endsWhenWaited = false;
    script.onEnd = [&ended](FakeMachine&) { ++ended; };
    machine.ScriptProcess(kSetup, script);
    ProcessInfo info;
    ASSERT_TRUE(machine.StartProcess(kSetup, StartOptions{}, info));

    std::uint32_t code = 0;
    EXPECT_EQ(machine.WaitForProcess(info.process, 0), WaitResult::TimedOut);
    EXPECT_EQ(machine.WaitForProcess(info.thread, 100), WaitResult::TimedOut);
    EXPECT_TRUE(machine.ProcessExitCode(info.process, code));
    EXPECT_EQ(code, kStillActive);
    EXPECT_EQ(ended, 0);

    EXPECT_TRUE(machine.EndProcess(info.processId, 7));
    EXPECT_FALSE(machine.EndProcess(info.processId, 8));  // already ended
    EXPECT_EQ(ended, 1);
    EXPECT_EQ(machine.WaitForProcess(info.process, 0), WaitResult::Signalled);
    EXPECT_TRUE(machine.ProcessExitCode(info.process, code));
    EXPECT_EQ(code, 7u);
}

TEST(FakeProcesses, AnInfiniteWaitNeverBlocks) {
    FakeMachine machine;
    ProcessScript endsWhenWaited;
    endsWhenWaited.keepsRunning = true;
    endsWhenWaited.exitCode = 5;
    machine.ScriptProcess("a.exe", endsWhenWaited);
    ProcessScript hangs = endsWhenWaited;
    hangs.endsWhenWaited = false;
    machine.ScriptProcess("b.exe", hangs);

    ProcessInfo a;
    ProcessInfo b;
    ASSERT_TRUE(machine.StartProcess("a.exe", StartOptions{}, a));
    ASSERT_TRUE(machine.StartProcess("b.exe", StartOptions{}, b));
    EXPECT_EQ(machine.WaitForProcess(a.process, 0), WaitResult::TimedOut);  // a poll
    EXPECT_EQ(machine.WaitForProcess(b.process, 100), WaitResult::TimedOut);
    EXPECT_TRUE(machine.HungWaits().empty());
    EXPECT_EQ(machine.WaitForProcess(a.process, kInfinite), WaitResult::Signalled);
    EXPECT_FALSE(machine.IsProcessRunning(a.processId));
    EXPECT_EQ(machine.WaitForProcess(b.process, kInfinite), WaitResult::Failed);
    EXPECT_TRUE(machine.IsProcessRunning(b.processId));
    EXPECT_EQ(machine.HungWaits(), std::vector<std::string>{"b.exe"});
    EXPECT_EQ(machine.WaitForProcess(kNoHandle, kInfinite), WaitResult::Failed);
}

TEST(FakeProcesses, ExactScriptsComeBeforePredicatesAndFoldersMustExist) {
    FakeMachine machine;
    ProcessScript any;
    any.exitCode = 1;
    machine.ScriptProcessMatching(
        [](const std::string& line) { return line.find("setup.exe") != std::string::npos; }, any);
    ProcessScript exact;
    exact.exitCode = 2;
    machine.ScriptProcess(kSetup, exact);

    ProcessInfo info;
    std::uint32_t code = 0;
    ASSERT_TRUE(machine.StartProcess(kSetup, StartOptions{}, info));
    machine.ProcessExitCode(info.process, code);
    EXPECT_EQ(code, 2u);
    ASSERT_TRUE(machine.StartProcess("E:\\setup.exe -s", StartOptions{}, info));
    machine.ProcessExitCode(info.process, code);
    EXPECT_EQ(code, 1u);

    StartOptions missingFolder;
    missingFolder.currentDirectory = "C:\\nowhere";
    EXPECT_FALSE(machine.StartProcess(kSetup, missingFolder, info));

    StartOptions named;
    named.applicationName = "C:\\medium\\setup.exe";
    EXPECT_FALSE(machine.StartProcess(kSetup, named, info));  // no such file yet
    machine.WriteFile("C:\\medium\\setup.exe", "MZ");
    EXPECT_TRUE(machine.StartProcess(kSetup, named, info));
}

TEST(FakeProcesses, RunningProcessesJoinTheSnapshotByExecutableName) {
    FakeMachine machine;
    machine.SetProcessSnapshot({"System", "explorer.exe"});
    ProcessScript running;
    running.keepsRunning = true;
    machine.ScriptProcess(kStop, running);
    machine.ScriptProcess("\"C:\\Program Files\\x\\Tool.EXE\" -a", running);
    machine.ScriptProcess("cscript update.vbs", running);
    ProcessInfo info;
    machine.StartProcess(kStop, StartOptions{}, info);
    machine.StartProcess("\"C:\\Program Files\\x\\Tool.EXE\" -a", StartOptions{}, info);
    machine.StartProcess("cscript update.vbs", StartOptions{}, info);
    machine.EndProcess(info.processId, 0);

    std::vector<std::string> names;
    ASSERT_TRUE(machine.ProcessSnapshot(names));
    EXPECT_EQ(names, (std::vector<std::string>{"System", "explorer.exe", "cmd.exe", "Tool.EXE"}));
    EXPECT_EQ(ExecutableName("cscript update.vbs"), "cscript.exe");
    machine.SetProcessSnapshotFails(true);
    EXPECT_FALSE(machine.ProcessSnapshot(names));
}

}  // namespace
}  // namespace tavrik::platform
