#pragma once

#include <string>

namespace tavrik {

// "<start>setup.exe -s -f1<start>install.iss -f2<PathInstall>\setup.log", or
// desinst.iss for a removal. Nothing is quoted: the packaged setup takes its
// switches glued to the paths.
std::string SetupCommandLine(const std::string& startDirectory, const std::string& pathInstall,
                             bool installation);

// Writes "DICO.TXT" (the dictionary reference, no line end) into the folder,
// creating the folder and its parents when missing. False when it could not
// be written.
bool WriteDictionaryReference(const std::string& exeFolder, const std::string& reference);

}  // namespace tavrik
