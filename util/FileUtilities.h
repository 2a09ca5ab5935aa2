#pragma once

#include <string>

namespace tavrik {

// Deletes the suite's old shortcuts ("Solvane 2000.lnk", "Solvane
// Office.lnk", "Solvane Measure.lnk", exact case) from the folder tree.
// A name with a dot is taken as a file, one without as a sub-folder.
// An empty folder argument does nothing.
void RemoveProductShortcuts(const std::string& folder);

// The most libraries [DLL_TEST] lists: each costs an INI read and a file
// test on the window's thread, so a count beyond it would keep the page
// from showing for hours.
constexpr int kMostTestedLibraries = 30;

// Replaces each library listed in section DLL_TEST of the medium's ap.ini by
// a copy of itself, to learn whether a running program holds it; the first
// kMostTestedLibraries at most. False at the first file that cannot be
// replaced; the file itself is never lost.
bool RunDllTest();

}  // namespace tavrik
