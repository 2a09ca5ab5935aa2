#include "install/SetupCommandLine.h"

#include "platform/Machine.h"
#include "vcl/FileRoutines.h"

namespace tavrik {

std::string SetupProgram(const std::string& startDirectory) { return startDirectory + "setup.exe"; }

std::string SetupCommandLine(const std::string& startDirectory, const std::string& pathInstall,
                             bool installation) {
    return SetupProgram(startDirectory) + " -s -f1" + startDirectory +
           (installation ? "install.iss" : "desinst.iss") + " -f2" + pathInstall + "\\setup.log";
}

bool WriteDictionaryReference(const std::string& exeFolder, const std::string& reference) {
    if (!vcl::DirectoryExists(exeFolder)) {
        vcl::ForceDirectories(exeFolder);
    }
    auto& machine = platform::CurrentMachine();
    const platform::Handle file = machine.OpenFile(
        exeFolder + "DICO.TXT", platform::FileAccess::Write, platform::FileCreation::CreateAlways);
    if (file == platform::kNoHandle) {
        return false;
    }
    const bool written = machine.WriteFile(file, reference.data(), reference.size()) ==
                         static_cast<std::int64_t>(reference.size());
    machine.CloseFile(file);
    return written;
}

}  // namespace tavrik
