#include "TestFolder.h"

#include <fstream>
#include <iterator>
#include <vector>

#include "platform/win32/Win32Api.h"

namespace tavrik::platform {

namespace {

void RemoveTree(const std::string& folder) {
    std::vector<DirectoryEntry> entries;
    CurrentMachine().ListDirectory(folder + "\\*", entries);
    for (const DirectoryEntry& entry : entries) {
        if (entry.name == "." || entry.name == "..") {
            continue;
        }
        const std::string path = folder + "\\" + entry.name;
        if (entry.IsDirectory()) {
            RemoveTree(path);
        } else {
            ::SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
            ::DeleteFileA(path.c_str());
        }
    }
    ::RemoveDirectoryA(folder.c_str());
}

}  // namespace

TestFolder::TestFolder() : path_("C:\\tavrik-machine-tests") {
    RemoveTree(path_);
    ::CreateDirectoryA(path_.c_str(), nullptr);
}

TestFolder::~TestFolder() { RemoveTree(path_); }

void TestFolder::Write(const std::string& name, const std::string& bytes) const {
    std::ofstream file(*this / name, std::ios::binary);
    file << bytes;
}

std::string TestFolder::Read(const std::string& name) const {
    std::ifstream file(*this / name, std::ios::binary);
    if (!file) {
        return "<missing>";
    }
    return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

}  // namespace tavrik::platform
