// tavrik-check: reads an installation medium the way the wizard does,
// through the wizard's own readers, and reports every fault.
#pragma once

#include <string>
#include <vector>

#include "Finding.h"

namespace tavrik::mediumcheck {

// Checks the medium whose root is the current machine's current directory.
std::vector<Finding> CheckMedium();

// Checks the medium in a folder of this computer. False, with the reason,
// when the folder cannot be read as a medium.
bool CheckMediumFolder(const std::string& folder, std::vector<Finding>& findings,
                       std::string& error);

}  // namespace tavrik::mediumcheck
