// Reading of the medium's and the installed tree's INI files. The wizard
// never writes one; a missing file, section or key reads as the default.
#pragma once

#include <string>

namespace tavrik {

std::string ReadIniString(const std::string& path, const std::string& section,
                          const std::string& key, const std::string& defaultValue);

}  // namespace tavrik
