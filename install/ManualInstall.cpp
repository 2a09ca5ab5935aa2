#include "install/ManualInstall.h"

#include <string>

#include "app/Unit1.h"
#include "config/IniFile.h"
#include "config/Registry.h"
#include "config/StartDirectory.h"
#include "install/ChildProcess.h"
#include "install/SetupCommandLine.h"
#include "platform/Machine.h"

namespace tavrik {

void StopDiagnosticService() {
    platform::StartOptions options;
    options.hidden = true;
    options.currentDirectory = "c:\\app\\qxdiag\\";
    RunAndWait("c:\\app\\qxdiag\\qxd.bat stop >nul", options);
}

// Stops the service, prepares the disk, runs the setup to its end in a new
// console and cleans the product key up after it.
void TMainForm::RunManualInstall() {
    StopDiagnosticService();
    const std::string start = StartDirectory();
    WriteRegString(kProductKey, "CD", start);
    WriteRegString(kProductKey, "Install", "1");
    std::string isInstall;
    std::string language;
    ReadRegString(isInstall, kProductKey, "IsInstall");
    ReadRegString(language, kProductKey, "Langue");

    const std::string name = ReadIniString(start + "tavrik.ini", "INSTALL", "NAME", "");
    std::string pathInstall;
    ReadRegString(pathInstall, kProductKey, "PathInstall");
    WriteDictionaryReference(pathInstall + "\\APP\\" + name + "\\EXE\\",
                             "Dico=THESAU" + language + ".DBZ");

    const bool installation = isInstall == "1";
    platform::StartOptions options;
    options.newConsole = true;
    options.applicationName = SetupProgram(start);
    RunAndWait(SetupCommandLine(start, pathInstall, installation), options);

    if (installation) {
        DeleteRegValue(kProductKey, "Manual");
        DeleteRegValue(kProductKey, "IsInstall");
    } else {
        DeleteRegKey(kProductKey);
    }
}

}  // namespace tavrik
