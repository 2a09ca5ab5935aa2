// The run after a restart. The restart page leaves a resume record, the
// shortcut "C:\Tavrik.lnk" (the wizard with "-reboot") and a run-once
// value that starts it at the next log-on; the run it starts resumes the
// installation with the choices of the record, and nothing else does.
#pragma once

#include <string>

namespace tavrik {

extern const char* const kResumeShortcut;      // C:\Tavrik.lnk
extern const char* const kResumeRunOnceValue;  // Install, under the run-once key
extern const char* const kResumeRunOnceData;   // c:\Tavrik.lnk
extern const char* const kResumeArgument;      // -reboot

// Decides from the command line and the resume record whether this run
// resumes an installation, and traces the road and why. A resumed run
// takes the record's choices (installation, volume, dictionary); the
// application's Tag then is 1. Whatever was armed for a resumption is
// removed when the run resumes, when it was started with "-reboot", or
// when a record is left: no later log-on or shortcut resumes again.
void DecideResume(const std::string& commandLine);

// Removes the resume record, the shortcut, and the run-once value when it
// names the shortcut. True when nothing of them is left.
bool DisarmResume();

}  // namespace tavrik
