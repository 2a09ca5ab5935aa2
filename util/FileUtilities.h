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

// What the library test found.
enum class DllTestOutcome {
    Passed,  // every listed library could be replaced
    InUse,   // a program holds a library: a restart frees it
    Failed,  // a library could not be tested or replaced for another
             // reason (no rights, a full disk): a restart would not help
};

// Replaces each library listed in section DLL_TEST of the medium's ap.ini by
// a copy of itself, to learn whether a running program holds it; the first
// kMostTestedLibraries at most. A read-only attribute (a tree copied from a
// CD) is cleared and a stale ".cop" copy removed first. Stops at the first library that cannot be
// replaced, tracing why; the library itself is never lost.
DllTestOutcome RunDllTest();

}  // namespace tavrik
