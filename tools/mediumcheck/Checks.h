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
// The names written in the INI files: unknown sections and keys (with the
// name meant), names written twice, a byte-order mark.
void CheckNames(Findings& findings);
// UTF-8 in the text files read as code page 1252, and their line ends.
void CheckEncodings(Findings& findings);
// The flags, dictionaries, CodeAssOS.ini and the licence texts.
void CheckLanguages(Findings& findings);
// BMP\ and WAIT\.
void CheckPictures(Findings& findings);
// tavrik.exe, lx32.dll, the packaged setup, its response files and the
// update script.
void CheckPrograms(Findings& findings);

}  // namespace tavrik::mediumcheck
