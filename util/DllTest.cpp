#include <string>

#include "config/IniFile.h"
#include "config/Registry.h"
#include "config/StartDirectory.h"
#include "platform/Machine.h"
#include "trace/TraceLog.h"
#include "util/FileUtilities.h"
#include "util/StringUtilities.h"

namespace tavrik {

namespace {

DllTestOutcome Failure(const std::string& file, const std::string& why) {
    AppendTraceLine("test DLL : " + file + " : " + why);
    return DllTestOutcome::Failed;
}

// Copy, delete, rename back: once the copy beside it has been written, only
// a program holding the file keeps it from being deleted. Whatever step
// fails, the file stays where it was.
DllTestOutcome ReplaceByCopy(const std::string& file) {
    auto& machine = platform::CurrentMachine();
    const std::string copy = file + ".cop";
    if (!machine.ClearReadOnly(file)) {
        return Failure(file, "lecture seule non levee");
    }
    if (machine.FileExists(copy) && !(machine.ClearReadOnly(copy) && machine.RemoveFile(copy))) {
        return Failure(file, "ancienne copie non supprimee");
    }
    if (!machine.CopyFileTo(file, copy, false)) {
        return Failure(file, "copie impossible");
    }
    if (!machine.RemoveFile(file)) {
        // Held by a program; the copy stays as a witness.
        AppendTraceLine("test DLL : " + file + " : en cours d'utilisation");
        return DllTestOutcome::InUse;
    }
    if (machine.RenameFile(copy, file)) {
        return DllTestOutcome::Passed;
    }
    // The original is gone and the copy would not take its name: put the
    // bytes back under the original name before reporting the failure.
    if (machine.CopyFileTo(copy, file, false)) {
        machine.RemoveFile(copy);
    }
    return Failure(file, "copie non renommee");
}

}  // namespace

DllTestOutcome RunDllTest() {
    const std::string apIni = StartDirectory() + "ap.ini";
    const std::string count = ReadIniString(apIni, "DLL_TEST", "NB", "");
    std::string pathInstall;
    ReadRegString(pathInstall, kProductKey, "PathInstall");

    auto& machine = platform::CurrentMachine();
    for (int i = 0; i < kMostTestedLibraries && IndexBelowCount(i, count); ++i) {
        const std::string file =
            pathInstall + ReadIniString(apIni, "DLL_TEST", std::to_string(i + 1), "");
        if (!machine.FileExists(file)) {
            continue;
        }
        const DllTestOutcome outcome = ReplaceByCopy(file);
        if (outcome != DllTestOutcome::Passed) {
            return outcome;
        }
    }
    return DllTestOutcome::Passed;
}

}  // namespace tavrik
