// The drives of the fake machine. Each drive is a folder inside a temporary
// directory that the file system creates and removes, so tests can look at
// the real bytes; Windows paths are resolved onto it name by name without
// regard to case, keeping the case of existing names.
//
// Windows behaviour kept where the wizard can tell: a CD-ROM drive cannot be
// written, a drive without its medium cannot be reached, a read-only file
// cannot be written or deleted, a locked file (a library in use) cannot be
// written, deleted or renamed but can be copied, an open file cannot be
// deleted or renamed, a folder holding the current directory cannot be
// renamed, and a directory listing comes in NTFS order.
#pragma once

#include <cstdint>
#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "platform/Machine.h"
#include "platform/fake/FileSharing.h"
#include "platform/fake/WindowsPath.h"

namespace tavrik::platform {

enum class NodeKind { Missing, File, Directory };

// A Windows path resolved onto the host.
struct FileLocation {
    WindowsPath path;
    std::filesystem::path host;
    unsigned driveType = kDriveUnknown;
};

class FakeFileSystem {
public:
    // Starts with one fixed drive C: whose root is the current directory.
    FakeFileSystem();
    ~FakeFileSystem();
    FakeFileSystem(const FakeFileSystem&) = delete;
    FakeFileSystem& operator=(const FakeFileSystem&) = delete;

    // --- Drives. Adding an existing letter changes its type, keeping its
    // files. Letters are A..Z, either case.
    void AddDrive(char letter, unsigned type);
    void SetMediaPresent(char letter, bool present);
    // The roots of the fixed drives, in letter order.
    std::vector<std::string> FixedDrives() const;

    // --- Current directory (an existing folder; kept as it was given).
    bool SetCurrentDirectory(const std::string& path);
    std::string CurrentDirectory() const { return current_.ToString(); }

    // --- Resolution: nothing for a malformed path, an unknown drive or a
    // drive without its medium.
    std::optional<FileLocation> Locate(const std::string& path) const;
    std::optional<FileLocation> Locate(const WindowsPath& path) const;
    static NodeKind KindOf(const std::filesystem::path& host);

    // --- The Machine's file routines.
    bool FileExists(const std::string& path) const;
    bool DirectoryExists(const std::string& path) const;
    bool ListDirectory(const std::string& pattern, std::vector<DirectoryEntry>& entries) const;
    bool CopyFileTo(const std::string& from, const std::string& to, bool failIfExists);
    bool RemoveFile(const std::string& path);
    bool ClearReadOnly(const std::string& path);
    bool RenameFile(const std::string& from, const std::string& to);
    bool MakeDirectory(const std::string& path);
    // The bytes of a file the wizard can reach, or nothing.
    std::optional<std::string> ReadReachableFile(const std::string& path) const;

    // --- State the raw file handles consult.
    FileSharing& Sharing() { return sharing_; }
    bool IsLocked(const std::filesystem::path& host) const;
    // Read-only, hidden and system bits set on a file or folder.
    std::uint32_t ExtraAttributes(const std::filesystem::path& host) const;

    // --- Test knobs; they raise FakeSetupError for impossible set-ups and
    // ignore read-only drives, locks and attributes.
    std::filesystem::path HostPath(const std::string& path) const;
    void WriteFile(const std::string& path, const std::string& bytes);
    std::optional<std::string> ReadFile(const std::string& path) const;
    void AddDirectory(const std::string& path);  // with missing parents
    void LockFile(const std::string& path, bool locked);
    // Sets the read-only, hidden and system bits (other bits are ignored).
    void SetAttributes(const std::string& path, std::uint32_t attributes);
    // Everything Windows would report for the path, or nothing when missing.
    std::optional<std::uint32_t> Attributes(const std::string& path) const;

private:
    struct Drive {
        unsigned type = kDriveFixed;
        bool mediaPresent = true;
    };
    struct NodeState {
        std::uint32_t attributes = 0;  // read-only, hidden, system
        bool locked = false;
    };

    std::filesystem::path DriveFolder(char letter) const;
    std::optional<FileLocation> LocateOnDrive(const WindowsPath& path, bool withoutMedia) const;
    FileLocation LocateForSetup(const std::string& path) const;
    bool IsWritable(const FileLocation& location) const;
    bool InUse(const FileLocation& location) const;
    bool CanReplace(const FileLocation& target) const;
    void ForgetState(const std::filesystem::path& host);
    void MoveState(const std::filesystem::path& from, const std::filesystem::path& to);
    std::uint32_t AttributesOf(const std::filesystem::path& host, NodeKind kind) const;

    std::filesystem::path root_;
    std::map<char, Drive> drives_;
    WindowsPath current_;
    std::map<std::string, NodeState> states_;  // by host path
    FileSharing sharing_;
};

}  // namespace tavrik::platform
