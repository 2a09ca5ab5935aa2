#include "vcl/FileRoutines.h"

#include <algorithm>
#include <cstdint>

#include "platform/Machine.h"

namespace tavrik::vcl {

namespace {

platform::Machine& Machine() { return platform::CurrentMachine(); }

std::string WithoutTrailingBackslash(std::string path) {
    while (path.size() > 1 && path.back() == '\\' && !(path.size() == 3 && path[1] == ':')) {
        path.pop_back();
    }
    return path;
}

bool IsDriveRoot(const std::string& path) {
    return (path.size() == 2 && path[1] == ':') || (path.size() == 3 && path[1] == ':');
}

}  // namespace

bool FileExists(const std::string& path) { return !path.empty() && Machine().FileExists(path); }

bool DirectoryExists(const std::string& path) {
    return !path.empty() && Machine().DirectoryExists(path);
}

bool ForceDirectories(const std::string& path) {
    const std::string folder = WithoutTrailingBackslash(path);
    if (folder.empty()) return false;
    if (IsDriveRoot(folder)) return DirectoryExists(folder.substr(0, 2) + "\\");
    if (DirectoryExists(folder)) return true;
    const std::size_t slash = folder.find_last_of('\\');
    if (slash != std::string::npos && slash > 0) {
        const std::string parent = folder.substr(0, slash);
        if (!ForceDirectories(parent)) return false;
    }
    return Machine().MakeDirectory(folder) || DirectoryExists(folder);
}

bool ReadWholeFile(const std::string& path, std::string& bytes, std::size_t maxSize) {
    bytes.clear();
    platform::Machine& machine = Machine();
    const platform::Handle file =
        machine.OpenFile(path, platform::FileAccess::Read, platform::FileCreation::OpenExisting);
    if (file == platform::kNoHandle) return false;
    // Room for the whole file and one byte more, read straight into it: the
    // file is then read in one call and never copied, and the next call
    // finds the end without growing the text.
    const std::int64_t size = machine.SeekFile(file, 0, platform::SeekOrigin::End);
    if (machine.SeekFile(file, 0, platform::SeekOrigin::Begin) != 0) {
        machine.CloseFile(file);
        return false;
    }
    if (size >= 0 && static_cast<std::uint64_t>(size) <= maxSize) {
        bytes.reserve(static_cast<std::size_t>(size) + 1);
    }
    bool ok = true;
    for (;;) {
        const std::size_t at = bytes.size();  // at most maxSize here
        std::size_t room = bytes.capacity() - at;
        if (room == 0) room = 64 * 1024;
        room = std::min(room, maxSize + 1 - at);
        bytes.resize(at + room);
        const std::int64_t read = machine.ReadFile(file, &bytes[at], room);
        if (read < 0) {
            ok = false;
            break;
        }
        bytes.resize(at + static_cast<std::size_t>(read));
        if (read == 0) break;
        if (bytes.size() > maxSize) {
            ok = false;
            break;
        }
    }
    machine.CloseFile(file);
    if (!ok) bytes.clear();
    return ok;
}

}  // namespace tavrik::vcl
