#pragma once

#include <functional>

namespace tavrik {

// Ends the process at once with the code, running no clean-up (the
// unattended branch ends this way). Tests install a handler that records
// the call instead; the caller then returns as if the process had ended.
void ExitProcessNow(int code);
void SetProcessExitHandler(std::function<void(int)> handler);

}  // namespace tavrik
