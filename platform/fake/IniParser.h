// Reading one value out of the bytes of an INI file, with the rules of
// GetPrivateProfileStringA:
// - section and key names compare without regard to case; names in the
//   file (also inside the brackets) and the names asked for are trimmed;
// - whitespace around keys and values is dropped, and a value wrapped in a
//   matching pair of quotes (" or ') loses them;
// - only the first section of a name is searched, and its first key of the
//   name wins; a key line without '=' has no value;
// - lines starting with ';' are comments; lines end at CR or LF;
// - a missing section or key yields the default, without its trailing
//   blanks (Windows cuts them off).
// The bytes are taken as they are: code-page text is never converted.
#pragma once

#include <string>

namespace tavrik::platform {

std::string ReadIniValue(const std::string& fileBytes, const std::string& section,
                         const std::string& key, const std::string& defaultValue);

}  // namespace tavrik::platform
