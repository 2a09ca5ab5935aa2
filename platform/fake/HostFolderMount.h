// Puts a folder of this computer onto the in-memory machine, as a medium's
// files appear on its drive: every folder and file below it, under a
// Windows folder of the machine, names spelt as on the host. Links to
// folders are followed.
//
// What Windows could not hold is left out and told, in the order met:
// - a name that differs from one already mounted only in case (Windows sees
//   one file; the first met is kept, and a folder's entries still go into
//   the kept one),
// - an entry that is neither a folder nor a regular file (a socket, a
//   dangling link): the wizard could never read it,
// - a name the machine refuses (a character Windows forbids, a full path
//   too long).
#pragma once

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "platform/fake/FakeMachine.h"

namespace tavrik::platform {

enum class MountBy {
    // The bytes are copied: the machine's files may be changed freely.
    Copying,
    // Each file links to the host's: nothing is copied, but writing one
    // through the machine would write the host's file.
    Linking,
};

struct MountOptions {
    MountBy by = MountBy::Copying;
    // Which entries to mount, by path relative to the folder with '/'
    // separators; a folder not wanted is not entered. Everything when empty.
    std::function<bool(const std::string& relative)> wanted;
};

struct MountLeftOut {
    enum class Why { CaseOnlyClash, NotAPlainFile, NameRefused };
    Why why = Why::NotAPlainFile;
    std::string entry;   // relative, '/' separators
    std::string detail;  // the entry kept (a clash), the machine's reason (a name)
};

struct MountOutcome {
    enum class Failure {
        None,
        NotAFolder,
        FolderUnreadable,  // the walk stopped; what came before is mounted
        FileUnreadable,    // copying: a file's bytes could not be read
        FileUnlinkable,    // linking: a file's link could not be made
    };
    std::vector<MountLeftOut> leftOut;
    Failure failure = Failure::None;
    std::string failedEntry;  // relative, for a file that failed
    std::string hostPath;     // the failed file as the walk named it
    std::string message;      // the system's reason, where it gave one
};

// windowsFolder ends with a backslash ("E:\", "E:\BMP\"); the mount stops at
// the first failure.
MountOutcome MountHostFolder(FakeMachine& machine, const std::filesystem::path& folder,
                             const std::string& windowsFolder, const MountOptions& options = {});

}  // namespace tavrik::platform
