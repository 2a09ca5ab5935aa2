#pragma once

#include <functional>

namespace tavrik {

// The exit code of a wizard started while another one runs on the PC: it
// did nothing (the unattended branch's own codes are in install/).
constexpr int kExitAnotherWizardRuns = 3;
// The name that only one running wizard holds.
extern const char* const kSingleInstanceName;

// Ends the process at once with the code, running no clean-up (the
// unattended branch ends this way). Tests install a handler that records
// the call instead; the caller then returns as if the process had ended.
void ExitProcessNow(int code);
void SetProcessExitHandler(std::function<void(int)> handler);

}  // namespace tavrik
