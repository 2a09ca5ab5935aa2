#include "localisation/FlagFiles.h"

#include <cerrno>
#include <cstdlib>

#include "config/StartDirectory.h"
#include "platform/Machine.h"

namespace tavrik {

std::string FlagFolder() { return StartDirectory() + "BRENDOL\\DICO\\"; }

std::vector<std::string> ListFlagFiles() {
    const std::string folder = FlagFolder();
    std::vector<platform::DirectoryEntry> entries;
    std::vector<std::string> paths;
    if (!platform::CurrentMachine().ListDirectory(folder + "*.bmp", entries)) {
        return paths;
    }
    for (const platform::DirectoryEntry& entry : entries) {
        if (entry.IsDirectory()) {
            continue;
        }
        if (static_cast<int>(paths.size()) == kMaxFlags) {
            break;  // no button for it
        }
        paths.push_back(folder + entry.name);
    }
    return paths;
}

int FlagNumberOf(const std::string& text) {
    if (text.empty()) {
        return 0;
    }
    errno = 0;
    char* end = nullptr;
    const long number = std::strtol(text.c_str(), &end, 10);
    if (errno != 0 || *end != '\0' || number < 1 || number > kMaxFlags) {
        return 0;
    }
    return static_cast<int>(number);
}

}  // namespace tavrik
