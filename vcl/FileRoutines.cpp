#include "vcl/FileRoutines.h"

#include <limits>

#include "platform/Machine.h"

namespace tavrik::vcl {

namespace {

platform::Machine& Machine() { return platform::CurrentMachine(); }

TFileHandle FromHandle(platform::Handle handle) {
    return handle == platform::kNoHandle ? kInvalidFileHandle : static_cast<TFileHandle>(handle);
}

platform::Handle ToHandle(TFileHandle handle) {
    return handle == kInvalidFileHandle ? platform::kNoHandle
                                        : static_cast<platform::Handle>(handle);
}

int ClampCount(std::int64_t count) {
    if (count < 0) return -1;
    return count > std::numeric_limits<int>::max() ? std::numeric_limits<int>::max()
                                                   : static_cast<int>(count);
}

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

bool DeleteFile(const std::string& path) { return !path.empty() && Machine().DeleteFile(path); }

bool RenameFile(const std::string& oldName, const std::string& newName) {
    return !oldName.empty() && !newName.empty() && Machine().RenameFile(oldName, newName);
}

TFileHandle FileCreate(const std::string& path) {
    if (path.empty()) return kInvalidFileHandle;
    return FromHandle(Machine().OpenFile(path, platform::FileAccess::ReadWrite,
                                         platform::FileCreation::CreateAlways));
}

TFileHandle FileOpen(const std::string& path, unsigned mode) {
    if (path.empty()) return kInvalidFileHandle;
    platform::FileAccess access = platform::FileAccess::Read;
    switch (mode & 0x3) {
        case fmOpenRead:
            access = platform::FileAccess::Read;
            break;
        case fmOpenWrite:
            access = platform::FileAccess::Write;
            break;
        case fmOpenReadWrite:
            access = platform::FileAccess::ReadWrite;
            break;
        default:
            return kInvalidFileHandle;
    }
    return FromHandle(Machine().OpenFile(path, access, platform::FileCreation::OpenExisting));
}

std::int64_t FileSeek(TFileHandle handle, std::int64_t offset, int origin) {
    if (handle == kInvalidFileHandle || origin < 0 || origin > 2) return -1;
    return Machine().SeekFile(ToHandle(handle), offset, static_cast<platform::SeekOrigin>(origin));
}

int FileWrite(TFileHandle handle, const void* buffer, std::size_t count) {
    if (handle == kInvalidFileHandle) return -1;
    return ClampCount(Machine().WriteFile(ToHandle(handle), buffer, count));
}

int FileRead(TFileHandle handle, void* buffer, std::size_t count) {
    if (handle == kInvalidFileHandle) return -1;
    return ClampCount(Machine().ReadFile(ToHandle(handle), buffer, count));
}

void FileClose(TFileHandle handle) {
    if (handle != kInvalidFileHandle) Machine().CloseFile(ToHandle(handle));
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
    return Machine().CreateDirectory(folder) || DirectoryExists(folder);
}

bool ReadWholeFile(const std::string& path, std::string& bytes, std::size_t maxSize) {
    bytes.clear();
    const TFileHandle file = FileOpen(path, fmOpenRead);
    if (file == kInvalidFileHandle) return false;
    bool ok = true;
    char chunk[64 * 1024];
    for (;;) {
        const int read = FileRead(file, chunk, sizeof chunk);
        if (read < 0) {
            ok = false;
            break;
        }
        if (read == 0) break;
        if (bytes.size() + static_cast<std::size_t>(read) > maxSize) {
            ok = false;
            break;
        }
        bytes.append(chunk, static_cast<std::size_t>(read));
    }
    FileClose(file);
    if (!ok) bytes.clear();
    return ok;
}

}  // namespace tavrik::vcl
