#include <string>

#include "config/IniFile.h"
#include "config/Registry.h"
#include "config/StartDirectory.h"
#include "platform/Machine.h"
#include "util/FileUtilities.h"
#include "util/StringUtilities.h"

namespace tavrik {

namespace {

// Copy, delete, rename back: the delete fails while a program holds the
// file. Whatever step fails, the file stays where it was.
bool ReplaceByCopy(const std::string& file) {
    auto& machine = platform::CurrentMachine();
    const std::string copy = file + ".cop";
    if (!machine.CopyFile(file, copy, false)) {
        return false;
    }
    if (!machine.DeleteFile(file)) {
        return false;  // held by a program; the copy stays as a witness
    }
    if (machine.RenameFile(copy, file)) {
        return true;
    }
    // The original is gone and the copy would not take its name: put the
    // bytes back under the original name before reporting the failure.
    if (machine.CopyFile(copy, file, false)) {
        machine.DeleteFile(copy);
    }
    return false;
}

}  // namespace

bool RunDllTest() {
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
        if (!ReplaceByCopy(file)) {
            return false;
        }
    }
    return true;
}

}  // namespace tavrik
