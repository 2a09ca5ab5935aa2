// The FakeMachine's windows, drives, system information, shell links and
// restart.
#include <cstring>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "platform/VersionRecords.h"
#include "platform/fake/FakeMachine.h"

namespace tavrik::platform {

namespace {

constexpr std::size_t kMaxWindowText = 1023;

constexpr const char* kFakeLinkHeader = "[fake shell link]\r\n";

}  // namespace

// --- Top-level windows and drives.

std::vector<std::string> FakeMachine::TopLevelWindowTitles() {
    std::vector<std::string> titles;
    for (const std::string& title : windowTitles_) {
        titles.push_back(title.substr(0, kMaxWindowText));
    }
    return titles;
}

std::vector<std::string> FakeMachine::FixedDrives() { return files_.FixedDrives(); }

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

bool FakeMachine::WindowsVersion(OsVersion& version) {
    return ReadVersionFromEitherRecord(
        [this](std::uint32_t recordSize, OsVersion& read) {
            if (recordSize == kOsVersionExSize ? refuseExtendedVersion_ : refuseBasicVersion_) {
                return false;
            }
            read = version_;
            return true;
        },
        version);
}

std::string FakeMachine::SystemDefaultLanguageName() { return language_; }

ScreenSize FakeMachine::FullScreenSize() { return screen_; }

unsigned FakeMachine::SwapErrorMode(unsigned mode) {
    errorModes_.push_back(mode);
    return std::exchange(errorMode_, mode);
}

// --- Shell link and restart.

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

bool FakeMachine::Restart() {
    restartRequests_.push_back(privilegeHeld_);
    return privilegeHeld_;
}

}  // namespace tavrik::platform
