#pragma once

namespace tavrik {

class TMainForm;

// Records the outcome of the run in the product key (Install = "0" after an
// installation, the whole key deleted after a removal whose setup succeeded;
// after a removal that failed or never ran the key stays, with Install =
// "0"), then closes the form, or first shows the closing message when the
// update step recorded 0 and the setup succeeded.
void FinInstall(TMainForm& form);

}  // namespace tavrik
