#include "ObservedPc.h"

#include "vcl/PageControl.h"

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

vcl::PeerId ObservedHost::CreatePeer(vcl::TControl& control) {
    const vcl::PeerId peer = HeadlessHost::CreatePeer(control);
    PageShown(control);
    return peer;
}

void ObservedHost::PropertiesChanged(vcl::TControl& control, vcl::ChangeSet changes) {
    HeadlessHost::PropertiesChanged(control, changes);
    if ((changes & vcl::kChangeVisible) != 0) PageShown(control);
}

void ObservedHost::ShowException(const std::string& message, const std::string& title) {
    HeadlessHost::ShowException(message, title);
    if (road_ != nullptr) road_->Note("error box \"" + title + "\": " + message);
}

// A page is told as it starts showing, before its show handler runs (as a
// person sees the page, then what it does).
void ObservedHost::PageShown(vcl::TControl& control) {
    const auto* sheet = dynamic_cast<const vcl::TTabSheet*>(&control);
    if (road_ == nullptr || sheet == nullptr || !sheet->Visible() || !HasPeer(control)) return;
    const int page = sheet->PageIndex();
    if (page != 0 && page != road_->LastPage()) road_->Page(page);
}

}  // namespace tavrik::dryrun
