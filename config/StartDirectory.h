#pragma once

#include <string>

namespace tavrik {

// The folder the wizard was started from (the installation medium), with a
// trailing backslash. The wizard never changes its current directory.
std::string StartDirectory();

}  // namespace tavrik
