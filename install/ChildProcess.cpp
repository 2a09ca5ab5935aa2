#include "install/ChildProcess.h"

#include "app/ProgramState.h"

namespace tavrik {

bool RunAndWait(const std::string& commandLine, const platform::StartOptions& options,
                std::uint32_t* exitCode) {
    auto& machine = platform::CurrentMachine();
    SetupProcessInfo = {};
    if (!machine.CreateProcess(commandLine, options, SetupProcessInfo)) {
        SetupProcessInfo = {};
        return false;
    }
    machine.WaitForProcess(SetupProcessInfo.process, platform::kInfinite);
    const bool read =
        exitCode == nullptr || machine.GetExitCodeProcess(SetupProcessInfo.process, *exitCode);
    machine.CloseHandle(SetupProcessInfo.process);
    machine.CloseHandle(SetupProcessInfo.thread);
    SetupProcessInfo = {};
    return read;
}

}  // namespace tavrik
