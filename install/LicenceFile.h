// Which licence text of the medium page 8 shows for a dictionary.
#pragma once

#include <string>

namespace tavrik {

// "cluf_FR.txt" for the French dictionary (its code in either case),
// "cluf_GB.txt" for every other: the name relative to the medium's root.
std::string LicenceFileFor(const std::string& dictionaryFileName);

}  // namespace tavrik
