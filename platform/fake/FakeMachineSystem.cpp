// The FakeMachine's windows, drives, system information, shell links and
// restart.
#include <cstring>
#include <optional>
#include <string>
#include <utility>

#include "platform/fake/FakeMachine.h"

namespace tavrik::platform {

namespace {

// Window handles live apart from kernel handles, as on Windows.
constexpr Handle kFirstWindow = 0x00020010;
constexpr Handle kWindowStep = 0x10;
constexpr std::size_t kMaxWindowText = 1023;

constexpr unsigned kEwxShutdown = 0x0001;
constexpr unsigned kEwxPowerOff = 0x0008;

constexpr const char* kFakeLinkHeader = "[fake shell link]\r\n";

}  // namespace

// --- Top-level windows.

Handle FakeMachine::TopWindow() { return windowTitles_.empty() ? kNoHandle : kFirstWindow; }

Handle FakeMachine::NextWindow(Handle window) {
    if (window < kFirstWindow || (window - kFirstWindow) % kWindowStep != 0) {
        return kNoHandle;
    }
    const std::size_t next = (window - kFirstWindow) / kWindowStep + 1;
    return next < windowTitles_.size() ? kFirstWindow + next * kWindowStep : kNoHandle;
}

std::string FakeMachine::WindowText(Handle window) {
    if (window < kFirstWindow || (window - kFirstWindow) % kWindowStep != 0) {
        return "";
    }
    const std::size_t index = (window - kFirstWindow) / kWindowStep;
    if (index >= windowTitles_.size()) {
        return "";
    }
    return windowTitles_[index].substr(0, kMaxWindowText);
}

// --- Drives.

std::string FakeMachine::LogicalDriveStrings() { return files_.LogicalDriveStrings(); }

unsigned FakeMachine::DriveType(const std::string& rootPath) { return files_.DriveType(rootPath); }

// --- System information.

bool FakeMachine::GetPowerStatus(PowerStatus& status) {
    if (powerFails_) {
        return false;
    }
    status = power_;
    return true;
}

void FakeMachine::SetVersion(std::uint32_t major, std::uint32_t minor, std::uint32_t build,
                             const std::string& servicePack) {
    version_.major = major;
    version_.minor = minor;
    version_.build = build;
    version_.platformId = 2;  // VER_PLATFORM_WIN32_NT
    version_.servicePack = servicePack;
}

void FakeMachine::RefuseVersionRecords(bool extended, bool basic) {
    refuseExtendedVersion_ = extended;
    refuseBasicVersion_ = basic;
}

bool FakeMachine::GetVersion(OsVersion& version) {
    const bool refused = version.recordSize == kOsVersionExSize ? refuseExtendedVersion_
                         : version.recordSize == kOsVersionSize ? refuseBasicVersion_
                                                                : true;
    if (refused) {
        return false;
    }
    const std::uint32_t recordSize = version.recordSize;
    version = version_;
    version.recordSize = recordSize;
    return true;
}

std::string FakeMachine::SystemDefaultLanguageName() { return language_; }

int FakeMachine::SystemMetric(int index) {
    const auto found = metrics_.find(index);
    return found == metrics_.end() ? 0 : found->second;
}

unsigned FakeMachine::SetErrorMode(unsigned mode) {
    errorModes_.push_back(mode);
    return std::exchange(errorMode_, mode);
}

// --- Shell link, privilege and restart.

bool FakeMachine::CreateShellLink(const ShellLink& link) {
    const Handle file = OpenFile(link.linkPath, FileAccess::Write, FileCreation::CreateAlways);
    if (file == kNoHandle) {
        return false;
    }
    // Not a real .lnk: a recognisable file that holds the link's fields.
    const std::string content = std::string(kFakeLinkHeader) + "target=" + link.targetPath +
                                "\r\narguments=" + link.arguments +
                                "\r\nworking=" + link.workingDirectory +
                                "\r\ndescription=" + link.description + "\r\n";
    const bool written = WriteFile(file, content.data(), content.size()) ==
                         static_cast<std::int64_t>(content.size());
    CloseFile(file);
    if (written) {
        shellLinks_.push_back(link);
    }
    return written;
}

bool FakeMachine::ReadShellLink(ShellLink& link) {
    const std::optional<std::string> content = files_.ReadFile(link.linkPath);
    if (!content || content->rfind(kFakeLinkHeader, 0) != 0) {
        return false;
    }
    const std::pair<const char*, std::string*> fields[] = {{"target=", &link.targetPath},
                                                           {"arguments=", &link.arguments},
                                                           {"working=", &link.workingDirectory},
                                                           {"description=", &link.description}};
    for (const auto& [name, field] : fields) {
        const std::string::size_type start = content->find(std::string("\n") + name);
        if (start == std::string::npos) return false;
        const std::string::size_type from = start + 1 + std::strlen(name);
        *field = content->substr(from, content->find("\r\n", from) - from);
    }
    return true;
}

bool FakeMachine::EnableShutdownPrivilege() {
    privilegeEnabled_ = privilegeEnabled_ || privilegeHeld_;
    return privilegeHeld_;
}

bool FakeMachine::ExitWindows(unsigned flags, unsigned reason) {
    const bool needsPrivilege = (flags & (kEwxShutdown | kEwxReboot | kEwxPowerOff)) != 0;
    const bool succeeded = !needsPrivilege || privilegeEnabled_;
    exitWindowsCalls_.push_back({flags, reason, succeeded});
    return succeeded;
}

}  // namespace tavrik::platform
