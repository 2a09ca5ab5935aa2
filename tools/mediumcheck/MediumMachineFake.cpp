#include <exception>
#include <filesystem>
#include <map>
#include <optional>

#include "MediumMachine.h"
#include "platform/fake/CaseFolding.h"
#include "platform/fake/FakeMachine.h"
#include "platform/fake/ScopedCurrentMachine.h"

namespace tavrik::mediumcheck {

namespace fs = std::filesystem;

struct MediumMachine::Parts {
    platform::FakeMachine machine;
    std::optional<platform::ScopedCurrentMachine> installed;
};

MediumMachine::MediumMachine() : parts_(std::make_unique<Parts>()) {}
MediumMachine::~MediumMachine() = default;

namespace {

constexpr const char* kDrive = "E:\\";

std::string WindowsName(const fs::path& relative) {
    std::string name;
    for (const auto& part : relative) {
        name += (name.empty() ? "" : "\\") + part.string();
    }
    return name;
}

}  // namespace

bool MediumMachine::Open(const std::string& folder, Findings& findings, std::string& error) {
    std::error_code failure;
    if (!fs::is_directory(folder, failure)) {
        error = folder + ": not a folder";
        return false;
    }
    auto& machine = parts_->machine;
    machine.AddDrive('E', platform::kDriveCdRom);
    // Names as Windows compares them: a second one that differs only in case
    // is the same file there, and only the first is loaded.
    std::map<std::string, std::string> loaded;
    fs::recursive_directory_iterator walk(folder, fs::directory_options::follow_directory_symlink,
                                          failure);
    for (const fs::recursive_directory_iterator end; !failure && walk != end;
         walk.increment(failure)) {
        const std::string name = WindowsName(fs::relative(walk->path(), folder));
        const std::string shown = fs::relative(walk->path(), folder).generic_string();
        const auto [previous, added] = loaded.emplace(platform::CaseFoldedKey(name), shown);
        if (!added) {
            findings.Warning(
                shown, "", "",
                "differs from " + previous->second + " only in case: Windows sees one of them");
            continue;
        }
        try {
            if (walk->is_directory()) {
                machine.AddDirectory(kDrive + name);
            } else if (!fs::is_regular_file(walk->path(), failure)) {
                failure.clear();
                findings.Warning(shown, "", "", "not a plain file: the wizard never reads it");
            } else {
                // The drive's file links to the medium's: nothing is copied.
                fs::create_symlink(fs::absolute(walk->path()), machine.HostPath(kDrive + name),
                                   failure);
                if (failure) {
                    error = shown + ": cannot be linked (" + failure.message() + ")";
                    return false;
                }
            }
        } catch (const std::exception&) {
            findings.Error(shown, "", "", "a name Windows cannot hold: the wizard never sees it");
        }
    }
    if (failure) {
        error = folder + ": cannot be read (" + failure.message() + ")";
        return false;
    }
    machine.SetCurrentDirectory(kDrive);
    parts_->installed.emplace(machine);
    return true;
}

}  // namespace tavrik::mediumcheck
