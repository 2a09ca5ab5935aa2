#include "install/ChildProcess.h"

#include "app/ProgramState.h"

namespace tavrik {

bool RunAndWait(const std::string& commandLine, const platform::StartOptions& options,
                std::uint32_t* exitCode) {
    auto& machine = platform::CurrentMachine();
    State.SetupProcessInfo = {};
    if (!machine.CreateProcess(commandLine, options, State.SetupProcessInfo)) {
        State.SetupProcessInfo = {};
        return false;
    }
    machine.WaitForProcess(State.SetupProcessInfo.process, platform::kInfinite);
    const bool read = exitCode == nullptr ||
                      machine.GetExitCodeProcess(State.SetupProcessInfo.process, *exitCode);
    machine.CloseHandle(State.SetupProcessInfo.process);
    machine.CloseHandle(State.SetupProcessInfo.thread);
    State.SetupProcessInfo = {};
    return read;
}

}  // namespace tavrik
