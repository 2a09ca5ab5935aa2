#include <optional>

#include "MediumMachine.h"
#include "platform/fake/FakeMachine.h"
#include "platform/fake/HostFolderMount.h"
#include "platform/fake/ScopedCurrentMachine.h"

namespace tavrik::mediumcheck {

struct MediumMachine::Parts {
    platform::FakeMachine machine;
    std::optional<platform::ScopedCurrentMachine> installed;
};

MediumMachine::MediumMachine() : parts_(std::make_unique<Parts>()) {}
MediumMachine::~MediumMachine() = default;

namespace {

constexpr const char* kDrive = "E:\\";

// What Windows could not hold of the folder, as the checker tells it.
void TellLeftOut(const std::vector<platform::MountLeftOut>& leftOut, Findings& findings) {
    using Why = platform::MountLeftOut::Why;
    for (const platform::MountLeftOut& left : leftOut) {
        switch (left.why) {
            case Why::CaseOnlyClash:
                findings.Warning(
                    left.entry, "", "",
                    "differs from " + left.detail + " only in case: Windows sees one of them");
                break;
            case Why::NotAPlainFile:
                findings.Warning(left.entry, "", "", "not a plain file: the wizard never reads it");
                break;
            case Why::NameRefused:
                findings.Error(left.entry, "", "",
                               "a name Windows cannot hold: the wizard never sees it");
                break;
        }
    }
}

}  // namespace

bool MediumMachine::Open(const std::string& folder, Findings& findings, std::string& error) {
    using Failure = platform::MountOutcome::Failure;
    auto& machine = parts_->machine;
    machine.AddDrive('E', platform::kDriveCdRom);
    // The drive's files link to the medium's: nothing is copied.
    const platform::MountOutcome outcome =
        platform::MountHostFolder(machine, folder, kDrive, {platform::MountBy::Linking, nullptr});
    TellLeftOut(outcome.leftOut, findings);
    switch (outcome.failure) {
        case Failure::None:
            break;
        case Failure::NotAFolder:
            error = folder + ": not a folder";
            return false;
        case Failure::FileUnreadable:
        case Failure::FileUnlinkable:
            error = outcome.failedEntry + ": cannot be linked (" + outcome.message + ")";
            return false;
        case Failure::FolderUnreadable:
            error = folder + ": cannot be read (" + outcome.message + ")";
            return false;
    }
    machine.SetCurrentDirectory(kDrive);
    parts_->installed.emplace(machine);
    return true;
}

}  // namespace tavrik::mediumcheck
