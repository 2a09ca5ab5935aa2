#include <direct.h>

#include "MediumMachine.h"
#include "platform/win32/Win32Machine.h"

namespace tavrik::mediumcheck {

struct MediumMachine::Parts {};

MediumMachine::MediumMachine() : parts_(std::make_unique<Parts>()) {}
MediumMachine::~MediumMachine() = default;

bool MediumMachine::Open(const std::string& folder, Findings& /*findings*/, std::string& error) {
    platform::InstallWin32Machine();
    // The wizard runs with the medium's root as its current directory.
    if (_chdir(folder.c_str()) != 0) {
        error = folder + ": not a folder that can be read";
        return false;
    }
    return true;
}

}  // namespace tavrik::mediumcheck
