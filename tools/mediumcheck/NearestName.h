// The known name a mistyped one most probably meant.
#pragma once

#include <string>
#include <vector>

namespace tavrik::mediumcheck {

// The candidate closest to `written` (letters compared without regard to
// case; a letter missing, added, changed or two swapped count one each),
// when it is close enough to be a slip of the keyboard; empty otherwise.
std::string NearestName(const std::string& written, const std::vector<std::string>& candidates);

}  // namespace tavrik::mediumcheck
