#pragma once

#include <string>

namespace tavrik {

// Deletes the suite's old shortcuts ("Solvane 2000.lnk", "Solvane
// Office.lnk", "Solvane Measure.lnk", exact case) from the folder tree.
// A name with a dot is taken as a file, one without as a sub-folder.
// An empty folder argument does nothing.
void RemoveProductShortcuts(const std::string& folder);

// Replaces each library listed in section DLL_TEST of the medium's ap.ini by
// a copy of itself, to learn whether a running program holds it. False at
// the first file that cannot be replaced; the file itself is never lost.
bool RunDllTest();

}  // namespace tavrik
