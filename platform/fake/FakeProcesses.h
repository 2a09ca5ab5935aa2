// Scripted child processes of the fake machine. A test says what a command
// line does; CreateProcess of a command line nobody scripted fails, as for a
// missing program. Nothing runs for real and nothing ever blocks: a poll
// (time-out 0) of a running process times out at once; any longer wait
// either ends the process (the default, "ends when waited for") or, for a
// process that hangs, times out (a timed wait) or is recorded as a hang the
// test can detect and fails (an infinite wait).
#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "platform/Machine.h"
#include "platform/fake/HandleCounter.h"

namespace tavrik::platform {

class FakeMachine;

constexpr std::uint32_t kStillActive = 259;

// What a scripted command line does.
struct ProcessScript {
    std::uint32_t exitCode = 0;
    // Run when the process starts and when it ends; they may use the
    // fake's files and registry (never start or end processes themselves).
    std::function<void(FakeMachine&)> onStart;
    std::function<void(FakeMachine&)> onEnd;
    // False: the process has ended when CreateProcess returns.
    bool keepsRunning = false;
    // For a running process: whether a wait that may block ends it with
    // exitCode (true) or it hangs (false: a timed wait times out, an
    // infinite one is recorded in HungWaits and fails).
    bool endsWhenWaited = true;
    // The executable name the process shows in a snapshot while it runs;
    // empty: taken from the command line (see ExecutableName).
    std::string snapshotName;
};

// One CreateProcess call, kept for assertions.
struct ProcessStart {
    std::string commandLine;
    StartOptions options;
    bool started = false;
    std::uint32_t processId = 0;
};

// The executable file name a command line starts: its first word (quotes
// honoured), without folder; batch files (.bat, .cmd) run as "cmd.exe".
std::string ExecutableName(const std::string& commandLine);

class FakeProcesses {
public:
    using Predicate = std::function<bool(const std::string& commandLine)>;

    FakeProcesses(FakeMachine& machine, HandleCounter& handles)
        : machine_(machine), handles_(handles) {}

    // An exact command line (a later script of the same line replaces the
    // earlier one), or any command line a predicate accepts; exact scripts
    // are tried first, then predicates in the order they were added.
    void Script(const std::string& commandLine, ProcessScript script);
    void ScriptMatching(Predicate predicate, ProcessScript script);

    // canStart tells whether the machine finds what the start needs: the
    // current directory and the named program (CreateProcess fails otherwise).
    bool Create(const std::string& commandLine, const StartOptions& options, bool canStart,
                ProcessInfo& info);
    WaitResult Wait(Handle handle, std::uint32_t timeoutMs);
    bool ExitCode(Handle handle, std::uint32_t& exitCode) const;
    bool Close(Handle handle);
    int OpenHandleCount() const { return static_cast<int>(openHandles_.size()); }

    // Ends a running process with exitCode; false when it is unknown or has
    // already ended.
    bool End(std::uint32_t processId, std::uint32_t exitCode);
    bool IsRunning(std::uint32_t processId) const;
    // Executable names of the running processes, in start order.
    std::vector<std::string> RunningNames() const;

    const std::vector<ProcessStart>& Starts() const { return starts_; }
    const std::vector<std::string>& HungWaits() const { return hungWaits_; }

private:
    struct Process {
        std::uint32_t id = 0;
        std::string commandLine;
        ProcessScript script;
        bool running = true;
        std::uint32_t exitCode = kStillActive;
    };
    struct HandleTarget {
        std::shared_ptr<Process> process;
        bool isThread = false;
    };

    const ProcessScript* FindScript(const std::string& commandLine) const;
    void Finish(Process& process, std::uint32_t exitCode);

    FakeMachine& machine_;
    HandleCounter& handles_;
    std::map<std::string, ProcessScript> exactScripts_;
    std::vector<std::pair<Predicate, ProcessScript>> matchingScripts_;
    std::vector<std::shared_ptr<Process>> processes_;  // every process started
    std::map<Handle, HandleTarget> openHandles_;
    std::vector<ProcessStart> starts_;
    std::vector<std::string> hungWaits_;
    std::uint32_t nextProcessId_ = 1000;
};

}  // namespace tavrik::platform
