// The groups of checks, each over one concern of the medium. They read the
// medium through the current machine, whose current directory is the
// medium's root, as the wizard's is.
#pragma once

#include "Finding.h"

namespace tavrik::mediumcheck {

// tavrik.ini, <NAME>\applic.ini, ap.ini's [INSTALL], [APPLICATION] and
// [DLL_TEST], assoAppliFenetre.ini.
void CheckSettings(Findings& findings);
// ap.ini's [INSTALL_COMPOSANTS] and the programs it names under COMPST\.
void CheckComponents(Findings& findings);
// The flags, dictionaries, CodeAssOS.ini and the licence texts.
void CheckLanguages(Findings& findings);
// BMP\ and WAIT\.
void CheckPictures(Findings& findings);
// tavrik.exe, lx32.dll, the packaged setup, its response files and the
// update script.
void CheckPrograms(Findings& findings);

}  // namespace tavrik::mediumcheck
