// What the wizard will do with each component of ap.ini's
// [INSTALL_COMPOSANTS] on this run, told before it runs them: whether the
// component runs and why (its flags, the language, a first installation),
// its program and folder, and whether the wizard waits for it. The wizard
// itself traces only the components it cannot start.
#pragma once

#include <string>
#include <vector>

namespace tavrik::dryrun {

// One line per component numbered 1 to 9 that NB counts or a key lists.
std::vector<std::string> ComponentLines(const std::string& startDirectory, bool firstInstallation,
                                        const std::string& languageCode);

}  // namespace tavrik::dryrun
