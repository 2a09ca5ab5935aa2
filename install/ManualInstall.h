// The packaged setup run without any page, when the site asked for it.
#pragma once

namespace tavrik {

class TMainForm;

// Stops the diagnostic service with its own script, hidden, and waits for it.
void StopDiagnosticService();

// Stops the service, prepares the disk, runs the setup to its end in a new
// console and cleans the product key up after it.
void RunManualInstall(TMainForm& form);

}  // namespace tavrik
