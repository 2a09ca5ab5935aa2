#include "platform/fake/FakeProcesses.h"

#include <utility>

#include "platform/fake/CaseFolding.h"

namespace tavrik::platform {

namespace {

bool EndsWithIgnoringCase(const std::string& text, const std::string& suffix) {
    return text.size() >= suffix.size() &&
           EqualsIgnoringCase(text.substr(text.size() - suffix.size()), suffix);
}

}  // namespace

std::string ExecutableName(const std::string& commandLine) {
    std::size_t start = commandLine.find_first_not_of(" \t");
    if (start == std::string::npos) {
        return "";
    }
    std::string program;
    if (commandLine[start] == '"') {
        const std::size_t close = commandLine.find('"', start + 1);
        program = commandLine.substr(
            start + 1, close == std::string::npos ? std::string::npos : close - start - 1);
    } else {
        program = commandLine.substr(start, commandLine.find_first_of(" \t", start) - start);
    }
    const std::size_t separator = program.find_last_of("\\/");
    std::string name = separator == std::string::npos ? program : program.substr(separator + 1);
    if (EndsWithIgnoringCase(name, ".bat") || EndsWithIgnoringCase(name, ".cmd")) {
        return "cmd.exe";
    }
    if (!name.empty() && name.find('.') == std::string::npos) {
        name += ".exe";  // CreateProcess looks for the program with ".exe"
    }
    return name;
}

void FakeProcesses::Script(const std::string& commandLine, ProcessScript script) {
    exactScripts_[commandLine] = std::move(script);
}

void FakeProcesses::ScriptMatching(Predicate predicate, ProcessScript script) {
    matchingScripts_.emplace_back(std::move(predicate), std::move(script));
}

const ProcessScript* FakeProcesses::FindScript(const std::string& commandLine) const {
    const auto exact = exactScripts_.find(commandLine);
    if (exact != exactScripts_.end()) {
        return &exact->second;
    }
    for (const auto& entry : matchingScripts_) {
        if (entry.first && entry.first(commandLine)) {
            return &entry.second;
        }
    }
    return nullptr;
}

bool FakeProcesses::Create(const std::string& commandLine, const StartOptions& options,
                           bool canStart, ProcessInfo& info) {
    starts_.push_back({commandLine, options, false, 0});
    const ProcessScript* script = FindScript(commandLine);
    if (script == nullptr || !canStart) {
        return false;
    }
    auto process = std::make_shared<Process>();
    process->id = nextProcessId_;
    process->commandLine = commandLine;
    process->script = *script;
    nextProcessId_ += 8;  // process and thread ids share one numbering
    processes_.push_back(process);

    info.process = handles_.Next();
    info.thread = handles_.Next();
    info.processId = process->id;
    info.threadId = process->id + 4;
    openHandles_[info.process] = {process, false};
    openHandles_[info.thread] = {process, true};
    starts_.back().started = true;
    starts_.back().processId = process->id;

    if (process->script.onStart) {
        process->script.onStart(machine_);
    }
    if (!process->script.keepsRunning && process->running) {
        Finish(*process, process->script.exitCode);
    }
    return true;
}

void FakeProcesses::Finish(Process& process, std::uint32_t exitCode) {
    process.running = false;
    process.exitCode = exitCode;
    if (process.script.onEnd) {
        process.script.onEnd(machine_);
    }
}

WaitResult FakeProcesses::Wait(Handle handle, std::uint32_t timeoutMs) {
    const auto found = openHandles_.find(handle);
    if (found == openHandles_.end()) {
        return WaitResult::Failed;
    }
    Process& process = *found->second.process;
    if (!process.running) {
        return WaitResult::Signalled;
    }
    // A poll never ends a child; a child that hangs outlives every timed wait.
    if (timeoutMs == 0 || (timeoutMs != kInfinite && !process.script.endsWhenWaited)) {
        return WaitResult::TimedOut;
    }
    if (!process.script.endsWhenWaited) {
        hungWaits_.push_back(process.commandLine);
        return WaitResult::Failed;
    }
    Finish(process, process.script.exitCode);
    return WaitResult::Signalled;
}

bool FakeProcesses::ExitCode(Handle handle, std::uint32_t& exitCode) const {
    const auto found = openHandles_.find(handle);
    if (found == openHandles_.end() || found->second.isThread) {
        return false;
    }
    exitCode = found->second.process->exitCode;
    return true;
}

bool FakeProcesses::Close(Handle handle) { return openHandles_.erase(handle) > 0; }

bool FakeProcesses::End(std::uint32_t processId, std::uint32_t exitCode) {
    for (const auto& process : processes_) {
        if (process->id == processId && process->running) {
            Finish(*process, exitCode);
            return true;
        }
    }
    return false;
}

bool FakeProcesses::IsRunning(std::uint32_t processId) const {
    for (const auto& process : processes_) {
        if (process->id == processId) {
            return process->running;
        }
    }
    return false;
}

std::vector<std::string> FakeProcesses::RunningNames() const {
    std::vector<std::string> names;
    for (const auto& process : processes_) {
        if (process->running) {
            names.push_back(process->script.snapshotName.empty()
                                ? ExecutableName(process->commandLine)
                                : process->script.snapshotName);
        }
    }
    return names;
}

}  // namespace tavrik::platform
