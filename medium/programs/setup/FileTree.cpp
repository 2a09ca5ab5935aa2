#include "FileTree.h"

#include <windows.h>

#include <functional>

#include "InstallPaths.h"

namespace tavrik::setup {

namespace {

// Calls visit(name, isFolder) for each entry of the folder but . and ..;
// stops when it returns false, and then returns false too.
bool ForEachEntry(const std::string& folder,
                  const std::function<bool(const std::string&, bool)>& visit) {
    WIN32_FIND_DATAA entry;
    HANDLE search = FindFirstFileA((folder + "*").c_str(), &entry);
    if (search == INVALID_HANDLE_VALUE) return true;  // empty or unreadable: nothing to visit
    bool ok = true;
    do {
        const std::string name = entry.cFileName;
        if (name == "." || name == "..") continue;
        ok = visit(name, (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0);
    } while (ok && FindNextFileA(search, &entry));
    FindClose(search);
    return ok;
}

std::string WithoutSlash(const std::string& folder) {
    return !folder.empty() && folder.back() == '\\' ? folder.substr(0, folder.size() - 1) : folder;
}

bool CreateFolder(const std::string& folder) {
    return CreateDirectoryA(WithoutSlash(folder).c_str(), nullptr) ||
           GetLastError() == ERROR_ALREADY_EXISTS;
}

bool CopyInto(const std::string& from, const std::string& to, const std::string& relative,
              int& copied, std::string& error) {
    if (!CreateFolder(to + relative)) {
        error = "cannot create the folder " + to + relative;
        return false;
    }
    return ForEachEntry(from + relative, [&](const std::string& name, bool isFolder) {
        const std::string path = relative + name;
        if (isFolder) return CopyInto(from, to, path + "\\", copied, error);
        if (KeptWhenPresent(path) &&
            GetFileAttributesA((to + path).c_str()) != INVALID_FILE_ATTRIBUTES) {
            return true;
        }
        if (!CopyFileA((from + path).c_str(), (to + path).c_str(), FALSE)) {
            error = "cannot copy " + from + path + " to " + to + path + " (error " +
                    std::to_string(GetLastError()) + ")";
            return false;
        }
        // Files from a CD arrive read-only and would stop the next update.
        SetFileAttributesA((to + path).c_str(), FILE_ATTRIBUTE_NORMAL);
        ++copied;
        return true;
    });
}

bool FolderExists(const std::string& folder) {
    const DWORD attributes = GetFileAttributesA(folder.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

}  // namespace

bool CopyTree(const std::string& from, const std::string& to, int& copied, std::string& error) {
    copied = 0;
    // The application folder's parents (PathInstall\APP\) may not exist yet.
    for (std::size_t slash = to.find('\\', 3); slash != std::string::npos;
         slash = to.find('\\', slash + 1)) {
        CreateFolder(to.substr(0, slash));
    }
    return CopyInto(from, to, "", copied, error);
}

bool RemoveTree(const std::string& folder, std::string& error) {
    if (!FolderExists(folder)) return true;
    const bool emptied = ForEachEntry(folder, [&](const std::string& name, bool isFolder) {
        const std::string path = folder + name;
        if (isFolder) return RemoveTree(path + "\\", error);
        SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
        if (DeleteFileA(path.c_str())) return true;
        error = "cannot delete " + path + " (error " + std::to_string(GetLastError()) + ")";
        return false;
    });
    if (!emptied) return false;
    if (RemoveDirectoryA(WithoutSlash(folder).c_str())) return true;
    error =
        "cannot remove the folder " + folder + " (error " + std::to_string(GetLastError()) + ")";
    return false;
}

}  // namespace tavrik::setup
