#pragma once

#include <string>

namespace tavrik {

namespace vcl {
class TApplication;
}

// The program: the application object, the one form, the message loop.
// "-reboot" on the command line, with a resume record, marks the run that
// resumes an installation after a restart (app/RestartResume.h).
// The machine and the component host must be installed first. Returns the
// process exit code, always 0.
int RunWizard(const std::string& commandLine);

// The start-up as the program runs it, on the caller's application object:
// its title, the command line handed over, and the one form
// (State.MainForm), whose creation runs the start-up. Showing it is the
// caller's next step (the program's is at once).
void CreateWizard(vcl::TApplication& application, const std::string& commandLine);

}  // namespace tavrik
