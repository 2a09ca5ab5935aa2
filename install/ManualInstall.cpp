#include "install/ManualInstall.h"

#include <string>

#include "app/ProgramState.h"
#include "app/Unit1.h"
#include "config/IniFile.h"
#include "config/Registry.h"
#include "config/StartDirectory.h"
#include "install/ChildProcess.h"
#include "install/InstallState.h"
#include "install/SetupCommandLine.h"
#include "platform/Machine.h"
#include "trace/TraceLog.h"

namespace tavrik {

void StopDiagnosticService() {
    platform::StartOptions options;
    options.hidden = true;
    options.currentDirectory = "c:\\app\\qxdiag\\";
    RunAndWait("c:\\app\\qxdiag\\qxd.bat stop >nul", options);
}

// Stops the service, prepares the disk, runs the setup to its end in a new
// console and cleans the product key up after it, as the end of an
// interactive run does: the key goes only after a removal that succeeded,
// the site's trigger (Manual, IsInstall) only after an installation that
// succeeded, so that a failure can be retried. Returns the exit code.
int TMainForm::RunManualInstall() {
    StopDiagnosticService();
    if (State.WorkRefused) {
        AppendTraceLine("script du service non termine, cle conservee");
        return kManualInstallSetupNotStarted;
    }
    const std::string start = StartDirectory();
    WriteRegString(kProductKey, "CD", start);
    if (!RecordInstallState("1")) {
        AppendTraceLine(kInstallStateNotRecorded);
        return kManualInstallSetupNotStarted;
    }
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
    if (!RunAndWaitUnbounded(SetupCommandLine(start, pathInstall, installation), options)) {
        AppendTraceLine("setup non lance, cle conservee");
        return kManualInstallSetupNotStarted;
    }
    if (!InstallStateReadsSuccess()) {
        AppendTraceLine("setup en echec, cle conservee");
        return kManualInstallSetupFailed;
    }
    if (installation) {
        DeleteRegValue(kProductKey, "Manual");
        DeleteRegValue(kProductKey, "IsInstall");
    } else {
        DeleteRegKey(kProductKey);
    }
    return kManualInstallSucceeded;
}

}  // namespace tavrik
