#pragma once

#include <string>

namespace tavrik {

// The packaged setup on the medium, named whole when it is started: the
// command line below is not quoted, so on a medium path with spaces its first
// word would name another program.
std::string SetupProgram(const std::string& startDirectory);

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
