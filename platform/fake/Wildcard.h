// File-name patterns as FindFirstFileA matches them. Windows first turns
// '?' into "DOS ?", a '*' before a '.' into "DOS *" and a '.' before a
// wildcard or at the end into "DOS .", which is why "*.*" also matches names
// without a dot and "*." matches exactly those. Letters compare without
// regard to case. Short 8.3 names are not modelled.
#pragma once

#include <string>

namespace tavrik::platform {

bool MatchesFileNamePattern(const std::string& pattern, const std::string& name);

}  // namespace tavrik::platform
