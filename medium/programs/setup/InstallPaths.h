// Where the demo setup puts the application, and what it leaves alone.
#pragma once

#include <string>

namespace tavrik::setup {

// PathInstall ("C:", with or without a trailing backslash) + "\APP\" + name
// + "\": the installed application's folder.
std::string InstalledFolder(const std::string& pathInstall, const std::string& name);

// PathInstall + "\" + fileName: files at the installation root (the
// progress marker).
std::string AtInstallRoot(const std::string& pathInstall, const std::string& fileName);

// Whether a file of the application folder (path relative to it) is kept
// when the target already has it: the wizard writes EXE\DICO.TXT before the
// setup runs, and the setup must not replace the language chosen there.
bool KeptWhenPresent(const std::string& relativePath);

}  // namespace tavrik::setup
