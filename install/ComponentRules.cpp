#include "install/ComponentRules.h"

#include <algorithm>

#include "platform/Machine.h"

namespace tavrik {

namespace {

bool HasParentStep(std::string path) {
    std::replace(path.begin(), path.end(), '/', '\\');
    return ("\\" + path + "\\").find("\\..\\") != std::string::npos;
}

}  // namespace

std::string ComponentKey(int number, const std::string& suffix) {
    return std::to_string(number).substr(0, 1) + suffix;
}

bool ComponentRuns(const std::string& forced, const std::string& firstInstall,
                   bool firstInstallation) {
    return forced == "TRUE" || (firstInstall == "TRUE" && firstInstallation);
}

std::string ComponentFolder(const std::string& baseFolder, const std::string& languages,
                            const std::string& code) {
    if (!code.empty() && languages.find(code) != std::string::npos) {
        return baseFolder + code + "\\";
    }
    return baseFolder;
}

std::string ComponentProgram(const std::string& folder, const std::string& value) {
    auto& machine = platform::CurrentMachine();
    for (std::string::size_type end = value.find(' ');; end = value.find(' ', end + 1)) {
        const std::string name = value.substr(0, end);
        if (!name.empty() && !HasParentStep(name)) {
            if (machine.FileExists(folder + name)) {
                return folder + name;
            }
            const auto lastStep = name.find_last_of("\\/");
            const bool hasExtension =
                name.find('.', lastStep == std::string::npos ? 0 : lastStep) != std::string::npos;
            if (!hasExtension && machine.FileExists(folder + name + ".exe")) {
                return folder + name + ".exe";
            }
        }
        if (end == std::string::npos) {
            return "";
        }
    }
}

}  // namespace tavrik
