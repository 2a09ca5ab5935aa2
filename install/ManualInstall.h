// The packaged setup run without any page, when the site asked for it
// (TMainForm::RunManualInstall), stops the diagnostic service first.
#pragma once

namespace tavrik {

// Stops the diagnostic service with its own script, hidden, and waits for it.
void StopDiagnosticService();

}  // namespace tavrik
