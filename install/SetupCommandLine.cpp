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

// Written beside it first and put in its place whole: a disk that fills up
// midway leaves the previous reference as it was, never a short one.
bool WriteDictionaryReference(const std::string& exeFolder, const std::string& reference) {
    if (!vcl::DirectoryExists(exeFolder)) {
        vcl::ForceDirectories(exeFolder);
    }
    auto& machine = platform::CurrentMachine();
    const std::string target = exeFolder + "DICO.TXT";
    const std::string fresh = exeFolder + "DICO.TXT.new";
    const platform::Handle file =
        machine.OpenFile(fresh, platform::FileAccess::Write, platform::FileCreation::CreateAlways);
    if (file == platform::kNoHandle) {
        return false;
    }
    const bool written = machine.WriteFile(file, reference.data(), reference.size()) ==
                         static_cast<std::int64_t>(reference.size());
    const bool closed = machine.CloseFile(file);
    const bool replaced = written && closed &&
                          (!machine.FileExists(target) || machine.RemoveFile(target)) &&
                          machine.RenameFile(fresh, target);
    if (!replaced) {
        machine.RemoveFile(fresh);
    }
    return replaced;
}

}  // namespace tavrik
