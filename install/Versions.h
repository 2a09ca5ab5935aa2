// The application versions the installation decision compares: the one on
// the medium and the one installed. Versions are plain text compared byte
// by byte ("2.10" orders before "2.9").
#pragma once

#include <string>

namespace tavrik {

struct ApplicationVersions {
    std::string medium;     // versionCD
    std::string installed;  // versionHD
};

// Reads VSOFT of section APPLICATION from "<start>\<NAME>\applic.ini" (with
// critical-error boxes suppressed while the medium's file is attached) and
// from "<PathInstall>\APP\<NAME>\applic.ini".
ApplicationVersions ReadApplicationVersions();

// Byte-wise order as unsigned characters; a prefix orders first.
int CompareVersions(const std::string& a, const std::string& b);

// The medium may be installed over what is there: not empty and not older.
bool IsMediumVersionAccepted(const ApplicationVersions& versions);

}  // namespace tavrik
