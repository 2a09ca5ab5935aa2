#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <string>
#include <vector>

#include "TestFolder.h"
#include "platform/win32/Win32Api.h"

namespace tavrik::platform {
namespace {

// This program, started again as a child (see MachineTestMain.cpp).
std::string ChildCommand(const std::string& arguments) {
    char self[MAX_PATH];
    ::GetModuleFileNameA(nullptr, self, sizeof self);
    return std::string("\"") + self + "\" --child " + arguments;
}

std::string Lower(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

class ProcessTest : public testing::Test {
protected:
    // Starts the child and waits for its end; its exit code.
    std::uint32_t RunToEnd(const std::string& arguments, const StartOptions& options = {}) {
        return RunLineToEnd(ChildCommand(arguments), options);
    }

    std::uint32_t RunLineToEnd(const std::string& commandLine, const StartOptions& options) {
        ProcessInfo info;
        if (!machine.CreateProcess(commandLine, options, info)) {
            ADD_FAILURE() << "child did not start";
            return 0xFFFFFFFFu;
        }
        EXPECT_EQ(WaitResult::Signalled, machine.WaitForProcess(info.process, 30000));
        std::uint32_t code = 0xFFFFFFFFu;
        EXPECT_TRUE(machine.GetExitCodeProcess(info.process, code));
        EXPECT_TRUE(machine.CloseHandle(info.thread));
        EXPECT_TRUE(machine.CloseHandle(info.process));
        return code;
    }

    Machine& machine = CurrentMachine();
};

TEST_F(ProcessTest, ExitCodeOfAChild) { EXPECT_EQ(42u, RunToEnd("exit 42")); }

TEST_F(ProcessTest, StartOptionsReachTheChild) {
    TestFolder folder;
    StartOptions options;
    options.hidden = true;
    options.currentDirectory = folder.path();
    EXPECT_EQ(0u, RunToEnd("describe " + (folder / "start.txt"), options));
    EXPECT_EQ(folder.path() + "\nhidden\n", folder.Read("start.txt"));

    options = StartOptions();
    options.newConsole = true;
    EXPECT_EQ(0u, RunToEnd("describe " + (folder / "start.txt"), options));
    char current[MAX_PATH];
    ::GetCurrentDirectoryA(sizeof current, current);
    EXPECT_EQ(std::string(current) + "\nshown\n", folder.Read("start.txt"));
}

// The named program runs whatever the command line's first word says (the
// child still splits its arguments at every space), and a named program
// that is missing fails even when the first word is real.
TEST_F(ProcessTest, ANamedProgramIsTheOneThatRuns) {
    char self[MAX_PATH];
    ::GetModuleFileNameA(nullptr, self, sizeof self);
    StartOptions options;
    options.applicationName = self;
    EXPECT_EQ(5u, RunLineToEnd("C:\\Medium\\setup.exe --child exit 5", options));

    ProcessInfo info;
    options.applicationName = "C:\\no\\such\\setup.exe";
    EXPECT_FALSE(machine.CreateProcess(ChildCommand("exit 0"), options, info));
}

TEST_F(ProcessTest, ARunningChildTimesOutAndIsStillActive) {
    ProcessInfo info;
    ASSERT_TRUE(machine.CreateProcess(ChildCommand("sleep 20000"), StartOptions(), info));
    EXPECT_EQ(WaitResult::TimedOut, machine.WaitForProcess(info.process, 50));
    std::uint32_t code = 0;
    EXPECT_TRUE(machine.GetExitCodeProcess(info.process, code));
    EXPECT_EQ(STILL_ACTIVE, code);
    ::TerminateProcess(win32::ToHandle(info.process), 9);
    EXPECT_EQ(WaitResult::Signalled, machine.WaitForProcess(info.process, 10000));
    machine.CloseHandle(info.thread);
    machine.CloseHandle(info.process);
}

TEST_F(ProcessTest, FailuresAreReportedNotHidden) {
    ProcessInfo info;
    EXPECT_FALSE(machine.CreateProcess("C:\\no\\such\\program.exe", StartOptions(), info));
    EXPECT_FALSE(machine.CreateProcess("", StartOptions(), info));
    EXPECT_EQ(kNoHandle, info.process);
    std::uint32_t code = 0;
    EXPECT_EQ(WaitResult::Failed, machine.WaitForProcess(kNoHandle, 0));
    EXPECT_FALSE(machine.GetExitCodeProcess(kNoHandle, code));
    EXPECT_FALSE(machine.CloseHandle(kNoHandle));
}

TEST_F(ProcessTest, SnapshotNamesThisProgram) {
    std::vector<std::string> names;
    ASSERT_TRUE(machine.ProcessSnapshot(names));
    EXPECT_NE(names.end(), std::find_if(names.begin(), names.end(), [](const std::string& name) {
                  return Lower(name) == "machine_tests.exe";
              }));
}

TEST_F(ProcessTest, TopLevelWindowsAreWalkedWithTheirTitles) {
    const std::string title = "Tavrik machine test " + std::string(1100, 't');
    const HWND window = ::CreateWindowExA(0, "STATIC", title.c_str(), WS_OVERLAPPED, 0, 0, 10, 10,
                                          nullptr, nullptr, nullptr, nullptr);
    ASSERT_NE(nullptr, window);
    bool found = false;
    int steps = 0;
    for (Handle each = machine.TopWindow(); each != kNoHandle && steps < 10000;
         each = machine.NextWindow(each), ++steps) {
        if (each == win32::FromApi(window)) {
            found = true;
            EXPECT_EQ(title.substr(0, 1023), machine.WindowText(each));
        }
    }
    EXPECT_TRUE(found);
    ::DestroyWindow(window);
    EXPECT_EQ(kNoHandle, machine.NextWindow(kNoHandle));
}

}  // namespace
}  // namespace tavrik::platform
