#include <string>
#include <utility>

#include "MediumMachine.h"
#include "platform/win32/Win32Machine.h"

namespace tavrik::mediumcheck {

namespace {

// The real machine whose current directory, for the wizard's code, is the
// medium's root, as when the wizard starts from the CD. The process's own
// stays as it is, so a relative MEDIUM path resolves as the user typed it.
class MediumRootMachine final : public platform::Win32Machine {
public:
    explicit MediumRootMachine(std::string root) : root_(std::move(root)) {}
    std::string CurrentDirectory() override { return root_; }

private:
    std::string root_;
};

}  // namespace

struct MediumMachine::Parts {
    std::unique_ptr<MediumRootMachine> machine;
};

MediumMachine::MediumMachine() : parts_(std::make_unique<Parts>()) {}
MediumMachine::~MediumMachine() { platform::SetCurrentMachine(nullptr); }

bool MediumMachine::Open(const std::string& folder, Findings& /*findings*/, std::string& error) {
    parts_->machine = std::make_unique<MediumRootMachine>(folder);
    if (!parts_->machine->DirectoryExists(folder)) {
        error = folder + ": not a folder";
        return false;
    }
    platform::SetCurrentMachine(parts_->machine.get());
    return true;
}

}  // namespace tavrik::mediumcheck
