#include "config/InstallSwitches.h"

#include "config/IniFile.h"
#include "config/StartDirectory.h"

namespace tavrik {

bool IsIndependentInstall() {
    return ReadIniString(StartDirectory() + "ap.ini", "INSTALL", "INDEPENDANT", "FALSE") == "TRUE";
}

std::string PageTitleText() {
    const char* key = IsIndependentInstall() ? "TITRE_INDEPENDANT" : "TITRE";
    return ReadIniString(StartDirectory() + "ap.ini", "INSTALL", key, "");
}

}  // namespace tavrik
