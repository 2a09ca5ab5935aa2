// Starting the packaged setup from the progress page.
#pragma once

namespace tavrik {

class TMainForm;

// Prepares the disk (waiting pictures, DICO.TXT) and the product key, sets
// the progress page up and starts the packaged setup without waiting: the
// page's timer follows it. A setup that cannot be started leaves the page
// with its notice and a validate button.
void LaunchSetup(TMainForm& form);

}  // namespace tavrik
