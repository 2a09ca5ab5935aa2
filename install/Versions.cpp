#include "install/Versions.h"

#include "config/IniFile.h"
#include "config/Registry.h"
#include "config/StartDirectory.h"
#include "platform/Machine.h"

namespace tavrik {

ApplicationVersions ReadApplicationVersions() {
    const std::string start = StartDirectory();
    const std::string name = ReadIniString(start + "tavrik.ini", "INSTALL", "NAME", "");

    ApplicationVersions versions;
    // An empty or unreadable medium must not raise a system message box:
    // critical errors stay suppressed while its file is read.
    {
        const platform::CriticalErrorBoxesOff quiet;
        versions.medium = ReadIniString(start + name + "\\applic.ini", "APPLICATION", "VSOFT", "");
    }

    std::string pathInstall;
    ReadRegString(pathInstall, kProductKey, "PathInstall");
    versions.installed =
        ReadIniString(pathInstall + "\\APP\\" + name + "\\applic.ini", "APPLICATION", "VSOFT", "");
    return versions;
}

int CompareVersions(const std::string& a, const std::string& b) {
    const std::string::size_type common = a.size() < b.size() ? a.size() : b.size();
    for (std::string::size_type i = 0; i < common; ++i) {
        const auto ca = static_cast<unsigned char>(a[i]);
        const auto cb = static_cast<unsigned char>(b[i]);
        if (ca != cb) {
            return ca < cb ? -1 : 1;
        }
    }
    if (a.size() == b.size()) {
        return 0;
    }
    return a.size() < b.size() ? -1 : 1;
}

bool IsMediumVersionAccepted(const ApplicationVersions& versions) {
    return !versions.medium.empty() && CompareVersions(versions.medium, versions.installed) >= 0;
}

}  // namespace tavrik
