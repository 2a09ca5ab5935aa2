// How findings are told: one line each for people, a JSON array for
// machines, and the exit code (0 clean, 1 warnings only, 2 errors).
#pragma once

#include <string>
#include <vector>

#include "Finding.h"

namespace tavrik::mediumcheck {

constexpr int kExitClean = 0;
constexpr int kExitWarnings = 1;
constexpr int kExitErrors = 2;

// "error: ap.ini [INSTALL_COMPOSANTS] NB: message" per finding, then a
// summary line.
std::string TextReport(const std::vector<Finding>& findings);
// [{"severity": "error", "file": ..., "section": ..., "key": ..., "message": ...}, ...]
std::string JsonReport(const std::vector<Finding>& findings);
int ExitCodeOf(const std::vector<Finding>& findings);

}  // namespace tavrik::mediumcheck
