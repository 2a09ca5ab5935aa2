#include <vector>

#include "platform/Machine.h"
#include "util/FileUtilities.h"

namespace tavrik {

namespace {

bool IsProductShortcut(const std::string& name) {
    return name == "Solvane 2000.lnk" || name == "Solvane Office.lnk" ||
           name == "Solvane Measure.lnk";
}

void RemoveShortcutsIn(const std::string& folder) {
    auto& machine = platform::CurrentMachine();
    std::vector<platform::DirectoryEntry> entries;
    if (!machine.ListDirectory(folder + "\\*.*", entries)) {
        return;
    }
    for (const auto& entry : entries) {
        if (entry.name == "." || entry.name == "..") {
            continue;
        }
        const std::string path = folder + "\\" + entry.name;
        // The dot, not the attributes, tells a file from a folder: the
        // installed trees hold no dotted folders and no extension-less files.
        if (entry.name.find('.') != std::string::npos) {
            if (IsProductShortcut(entry.name)) {
                machine.RemoveFile(path);
            }
        } else {
            RemoveShortcutsIn(path);
        }
    }
}

}  // namespace

void RemoveProductShortcuts(const std::string& folder) {
    // Without a folder the search would start at the root of the current
    // drive and walk all of it.
    if (folder.empty()) {
        return;
    }
    RemoveShortcutsIn(folder);
}

}  // namespace tavrik
