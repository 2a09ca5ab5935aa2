// The packaged setup run without any page, when the site asked for it
// (TMainForm::RunManualInstall), stops the diagnostic service first.
#pragma once

namespace tavrik {

// The unattended branch's exit codes, read by the deployment tools that
// start it (documented in the README).
enum ManualInstallExitCode : int {
    kManualInstallSucceeded = 0,
    kManualInstallSetupFailed = 1,      // the setup ran and left a failure
    kManualInstallSetupNotStarted = 2,  // the setup could not start (or no
                                        // installation state could be recorded)
};

// Stops the diagnostic service with its own script, hidden, and waits for it.
void StopDiagnosticService();

}  // namespace tavrik
