#pragma once

#include <string>

namespace tavrik {

// The program: the application object, the one form, the message loop.
// "-reboot" on the command line, with a resume record, marks the run that
// resumes an installation after a restart (app/RestartResume.h).
// The machine and the component host must be installed first. Returns the
// process exit code, always 0.
int RunWizard(const std::string& commandLine);

}  // namespace tavrik
