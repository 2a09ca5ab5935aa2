// Child processes: start options, waits, exit codes, failures, and the
// process snapshot.
#include <algorithm>
#include <cctype>

#include "ConformanceSupport.h"

namespace tavrik::conformance {
namespace {

using namespace platform;

class ProcessCases : public MachineCase {
protected:
    // Starts the command line and waits for its end; its exit code.
    std::uint32_t RunToEnd(const std::string& commandLine, const StartOptions& options = {}) {
        ProcessInfo info;
        if (!machine.StartProcess(commandLine, options, info)) {
            ADD_FAILURE() << "child did not start: " << commandLine;
            return 0xFFFFFFFFu;
        }
        EXPECT_EQ(WaitResult::Signalled, machine.WaitForProcess(info.process, 30000));
        std::uint32_t code = 0xFFFFFFFFu;
        EXPECT_TRUE(machine.ProcessExitCode(info.process, code));
        EXPECT_TRUE(machine.CloseHandle(info.thread));
        EXPECT_TRUE(machine.CloseHandle(info.process));
        EXPECT_FALSE(machine.CloseHandle(info.process));  // closed once only
        return code;
    }
};

TEST_F(ProcessCases, TheExitCodeOfAChild) {
    EXPECT_EQ(42u, RunToEnd(ChildCommand("exit 42")));
    EXPECT_EQ(0u, RunToEnd(ChildCommand("exit 0")));
}

TEST_F(ProcessCases, StartOptionsReachTheChild) {
    StartOptions options;
    options.hidden = true;
    options.currentDirectory = Folder();
    EXPECT_EQ(0u, RunToEnd(ChildCommand("describe " + At("start.txt")), options));
    EXPECT_EQ(Folder() + "\nhidden\n", ReadWholeFile(At("start.txt")));

    options = StartOptions();
    options.newConsole = true;
    EXPECT_EQ(0u, RunToEnd(ChildCommand("describe " + At("start.txt")), options));
    EXPECT_EQ(machine.CurrentDirectory() + "\nshown\n", ReadWholeFile(At("start.txt")));
}

// The named program runs whatever the command line's first word says, and a
// named program that is missing fails even when the first word is real.
TEST_F(ProcessCases, ANamedProgramIsTheOneThatRuns) {
    StartOptions options;
    options.applicationName = CurrentSetup().ChildProgram();
    EXPECT_EQ(5u, RunToEnd(ChildCommand("exit 5", "C:\\Medium\\setup.exe"), options));

    ProcessInfo info;
    options.applicationName = "C:\\no\\such\\setup.exe";
    EXPECT_FALSE(machine.StartProcess(ChildCommand("exit 0"), options, info));
    options.applicationName.clear();
    options.currentDirectory = At("missing");
    EXPECT_FALSE(machine.StartProcess(ChildCommand("exit 0"), options, info));
}

TEST_F(ProcessCases, ARunningChildTimesOutIsStillActiveAndEnds) {
    ProcessInfo info;
    ASSERT_TRUE(machine.StartProcess(ChildCommand("sleep 20000"), StartOptions(), info));
    EXPECT_NE(info.process, info.thread);
    EXPECT_NE(0u, info.processId);
    EXPECT_EQ(WaitResult::TimedOut, machine.WaitForProcess(info.process, 50));
    std::uint32_t code = 0;
    EXPECT_TRUE(machine.ProcessExitCode(info.process, code));
    EXPECT_EQ(259u, code);  // STILL_ACTIVE
    CurrentSetup().EndChild(info, 9);
    EXPECT_EQ(WaitResult::Signalled, machine.WaitForProcess(info.process, 10000));
    EXPECT_TRUE(machine.ProcessExitCode(info.process, code));
    EXPECT_EQ(9u, code);
    machine.CloseHandle(info.thread);
    machine.CloseHandle(info.process);
}

TEST_F(ProcessCases, FailuresAreReportedNotHidden) {
    ProcessInfo info;
    EXPECT_FALSE(machine.StartProcess("C:\\no\\such\\program.exe", StartOptions(), info));
    EXPECT_FALSE(machine.StartProcess("", StartOptions(), info));
    EXPECT_EQ(kNoHandle, info.process);
    std::uint32_t code = 0;
    EXPECT_EQ(WaitResult::Failed, machine.WaitForProcess(kNoHandle, 0));
    EXPECT_FALSE(machine.ProcessExitCode(kNoHandle, code));
    EXPECT_FALSE(machine.CloseHandle(kNoHandle));
}

TEST_F(ProcessCases, AnInstanceNameIsClaimedOnceAndNamesAreCaseSensitive) {
    EXPECT_TRUE(machine.ClaimSingleInstance("TavrikConformanceClaim"));
    EXPECT_FALSE(machine.ClaimSingleInstance("TavrikConformanceClaim"));
    EXPECT_TRUE(machine.ClaimSingleInstance("tavrikconformanceclaim"));
}

TEST_F(ProcessCases, ARunningChildShowsInTheSnapshotByItsProgramName) {
    const auto upper = [](std::string text) {
        for (char& c : text) {
            c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
        }
        return text;
    };
    const std::string program = CurrentSetup().ChildProgram();
    const std::string name = upper(program.substr(program.find_last_of('\\') + 1));
    const auto count = [&] {
        std::vector<std::string> names;
        EXPECT_TRUE(CurrentMachine().ProcessSnapshot(names));
        return std::count_if(names.begin(), names.end(),
                             [&](const std::string& each) { return upper(each) == name; });
    };
    const auto before = count();
    ProcessInfo info;
    ASSERT_TRUE(machine.StartProcess(ChildCommand("sleep 20000"), StartOptions(), info));
    EXPECT_EQ(before + 1, count());
    CurrentSetup().EndChild(info, 0);
    EXPECT_EQ(WaitResult::Signalled, machine.WaitForProcess(info.process, 10000));
    EXPECT_EQ(before, count());
    machine.CloseHandle(info.thread);
    machine.CloseHandle(info.process);
}

}  // namespace
}  // namespace tavrik::conformance
