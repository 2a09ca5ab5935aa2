#include "config/InstallSwitches.h"

#include "config/IniFile.h"
#include "config/StartDirectory.h"

namespace tavrik {

std::string IsIndependentInstall() {
    return ReadIniString(StartDirectory() + "ap.ini", "INSTALL", "INDEPENDANT", "FALSE");
}

std::string PageTitleText() {
    const char* key = IsIndependentInstall() == "TRUE" ? "TITRE_INDEPENDANT" : "TITRE";
    return ReadIniString(StartDirectory() + "ap.ini", "INSTALL", key, "");
}

}  // namespace tavrik
