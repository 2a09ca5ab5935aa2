#pragma once

#include <string>

namespace tavrik {

// The program: the application object, the one form, the message loop.
// Any text on the command line ("-reboot") marks a run after a restart.
// The machine and the component host must be installed first. Returns the
// process exit code, always 0.
int RunWizard(const std::string& commandLine);

}  // namespace tavrik
