// The children the wizard starts and waits for: the service script, the
// unattended setup, the update script.
#pragma once

#include <cstdint>
#include <string>

#include "platform/Machine.h"

namespace tavrik {

// Starts the child into SetupProcessInfo, waits for it without limit,
// closes its handles and zeroes the record. False when it could not start. exitCode, when given,
// receives the child's exit code; false too when that code cannot be read.
bool RunAndWait(const std::string& commandLine, const platform::StartOptions& options,
                std::uint32_t* exitCode = nullptr);

}  // namespace tavrik
