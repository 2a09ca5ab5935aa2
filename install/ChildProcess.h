// The children the wizard starts and waits for: the service script, the
// unattended setup, the update script, the waited-for components.
#pragma once

#include <cstdint>
#include <string>

#include "platform/Machine.h"

namespace tavrik {

// How long a child is waited for before the page says it has not ended:
// 600 seconds, or the positive whole number of seconds in the environment
// variable TAVRIK_CHILD_WAIT_SECONDS (for tests).
int ChildWaitBoundSeconds();

// Waits for a started child in short slices, letting the window paint and
// answer between them. False when the child outlived the bound or the run
// was ended meanwhile: then the progress page names the program in red and
// only ends the run (State.WorkRefused; F1 or validate), so nothing more
// may start. The child is never ended.
bool WaitWhileAnswering(platform::Handle process, const std::string& commandLine);

// The wait alone: true when the child ended within the bound, with nothing
// said either way, for a check whose caller decides what a silent child
// means. TraceChildNotEnded writes the trace line of a child that did not.
bool WaitAnsweringWithinBound(platform::Handle process);
void TraceChildNotEnded(const std::string& commandLine);

// Whether the technician ended the run (the application was told to end).
bool RunEnded();

// Starts the child into SetupProcessInfo, waits for it as WaitWhileAnswering
// does, closes its handles and zeroes the record. False when it could not
// start or was not waited to its end. exitCode, when given, receives the
// child's exit code; false too when that code cannot be read.
bool RunAndWait(const std::string& commandLine, const platform::StartOptions& options,
                std::uint32_t* exitCode = nullptr);

// The same without bound nor window: for the setup of the manual branch,
// which may rightly run for long and has no page to keep alive.
bool RunAndWaitUnbounded(const std::string& commandLine, const platform::StartOptions& options);

}  // namespace tavrik
