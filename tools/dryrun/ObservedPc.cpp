#include "ObservedPc.h"

#include "config/Registry.h"

namespace tavrik::dryrun {

const char* const kServiceScript = "c:\\app\\qxdiag\\qxd.bat";
const char* const kServiceCheck = "c:\\app\\qxdiag\\qxd.bat check >nul";
const char* const kServiceStop = "c:\\app\\qxdiag\\qxd.bat stop >nul";

bool ObservedMachine::RegistryOpenKey(const std::string& key, bool createIfMissing) {
    const bool existed = HasRegistryKey(key);
    const bool opened = FakeMachine::RegistryOpenKey(key, createIfMissing);
    if (road_ != nullptr && opened && !existed) road_->KeyCreated(key);
    return opened;
}

bool ObservedMachine::RegistryWriteString(const std::string& key, const std::string& name,
                                          const std::string& text) {
    const bool written = FakeMachine::RegistryWriteString(key, name, text);
    if (road_ != nullptr) road_->ValueWritten(key, name, text, written);
    return written;
}

bool ObservedMachine::RegistryDeleteKeyTree(const std::string& key) {
    const bool deleted = FakeMachine::RegistryDeleteKeyTree(key);
    if (road_ != nullptr) road_->KeyDeleted(key, deleted);
    return deleted;
}

bool ObservedMachine::RegistryDeleteValue(const std::string& key, const std::string& name) {
    const bool deleted = FakeMachine::RegistryDeleteValue(key, name);
    if (road_ != nullptr) road_->ValueDeleted(key, name, deleted);
    return deleted;
}

bool ObservedMachine::StartProcess(const std::string& commandLine,
                                   const platform::StartOptions& options,
                                   platform::ProcessInfo& info) {
    if (commandLine == kServiceCheck || commandLine == kServiceStop) {
        const bool started = FakeMachine::StartProcess(commandLine, options, info);
        if (road_ != nullptr) {
            road_->Start(commandLine, options,
                         started
                             ? "the PC's service script, answered as the options set the service"
                             : "cannot start");
        }
        return started;
    }
    const auto outcome = outcomes_ != nullptr ? OutcomeOf(*outcomes_, commandLine) : std::nullopt;
    if (outcome) return StartAsTold(commandLine, options, info, *outcome);
    if (road_ != nullptr) {
        road_->Start(commandLine, options, "not started (the dry run starts nothing)");
        road_->Stop(
            "the road from here depends on what that program does (say it with --exit or "
            "--setup)");
    }
    return false;
}

// The program ends at once with the code the author gave; the setup first
// clears the product key's Install when it succeeds, as the real one does
// (not a write of the wizard's, so not a registry line of the road).
bool ObservedMachine::StartAsTold(const std::string& commandLine,
                                  const platform::StartOptions& options,
                                  platform::ProcessInfo& info, const ProgramOutcome& outcome) {
    platform::ProcessScript script;
    script.exitCode = outcome.exitCode;
    if (outcome.isSetup && outcome.setupSucceeds) {
        script.onEnd = [](platform::FakeMachine& machine) {
            machine.FakeMachine::RegistryWriteString(kProductKey, "Install", "0");
        };
    }
    ScriptProcess(commandLine, script);
    const bool started = FakeMachine::StartProcess(commandLine, options, info);
    if (road_ != nullptr) {
        std::string what = "ends with code " + std::to_string(outcome.exitCode);
        if (outcome.isSetup) {
            what += outcome.setupSucceeds ? " and clears Install (it succeeds)"
                                          : " and leaves Install \"1\" (it fails)";
        }
        road_->Start(commandLine, options,
                     started ? what : "cannot start: its program or folder is missing");
    }
    return started;
}

void ObservedHost::ShowException(const std::string& message, const std::string& title) {
    HeadlessHost::ShowException(message, title);
    if (road_ != nullptr) road_->Note("error box \"" + title + "\": " + message);
}

}  // namespace tavrik::dryrun
