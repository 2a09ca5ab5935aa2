// The rules by which ap.ini's [INSTALL_COMPOSANTS] names the add-on
// components: shared by the progress page that runs them and the medium
// checker that proves a medium's list before it is burnt.
#pragma once

#include <string>

namespace tavrik {

// Component keys are one digit: a tenth would read the keys of the first.
constexpr int kMostComponents = 9;

// The key of component `number` with a suffix ("_FORCEE", "" for the line).
std::string ComponentKey(int number, const std::string& suffix);

// Whether a component runs, from its _FORCEE and _FIRST_INSTALL values:
// forced, or on a run that chose the volume (a first installation).
bool ComponentRuns(const std::string& forced, const std::string& firstInstall,
                   bool firstInstallation);

// The folder a component runs from: the language's sub-folder when the
// chosen language's code appears in the component's _LANGUES value.
std::string ComponentFolder(const std::string& baseFolder, const std::string& languages,
                            const std::string& code);

// The program a component's value names inside its folder: the value up to
// the first space (or the whole value) that names a file there, with ".exe"
// added as the system would for a name without extension. Empty when none
// does: a component never runs a program from outside its folder.
std::string ComponentProgram(const std::string& folder, const std::string& value);

}  // namespace tavrik
