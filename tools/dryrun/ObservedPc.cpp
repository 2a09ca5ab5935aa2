#include "ObservedPc.h"

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

bool ObservedMachine::CreateProcess(const std::string& commandLine,
                                    const platform::StartOptions& options,
                                    platform::ProcessInfo& info) {
    if (commandLine == kServiceCheck || commandLine == kServiceStop) {
        const bool started = FakeMachine::CreateProcess(commandLine, options, info);
        if (road_ != nullptr) {
            road_->Start(commandLine, options,
                         started
                             ? "the PC's service script, answered as the options set the service"
                             : "cannot start");
        }
        return started;
    }
    if (road_ != nullptr) {
        road_->Start(commandLine, options, "not started (the dry run starts nothing)");
        road_->Stop("the road from here depends on what that program does");
    }
    return false;
}

void ObservedHost::ShowException(const std::string& message, const std::string& title) {
    HeadlessHost::ShowException(message, title);
    if (road_ != nullptr) road_->Note("error box \"" + title + "\": " + message);
}

}  // namespace tavrik::dryrun
