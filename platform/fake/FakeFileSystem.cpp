#include "platform/fake/FakeFileSystem.h"

#include <stdlib.h>  // mkdtemp

#include <algorithm>
#include <fstream>
#include <iterator>
#include <system_error>

#include "platform/fake/CaseFolding.h"
#include "platform/fake/FakeSetupError.h"
#include "platform/fake/Wildcard.h"

namespace tavrik::platform {

namespace fs = std::filesystem;

namespace {

// CreateDirectoryA leaves room for an 8.3 name below the new folder.
constexpr std::size_t kMaxDirectoryPath = kMaxPath - 12;
constexpr std::uint32_t kStoredAttributes = kAttrReadOnly | kAttrHidden | kAttrSystem;

fs::path MakeTemporaryRoot() {
    std::error_code error;
    const fs::path base = fs::temp_directory_path(error);
    std::string pattern = ((error ? fs::path("/tmp") : base) / "tavrik-fake-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr) {
        throw FakeSetupError("cannot create the fake machine's temporary folder");
    }
    return fs::path(pattern);
}

char UpperLetter(char letter) {
    if (letter >= 'a' && letter <= 'z') {
        return static_cast<char>(letter - 'a' + 'A');
    }
    return letter;
}

bool IsLetter(char letter) { return UpperLetter(letter) >= 'A' && UpperLetter(letter) <= 'Z'; }

// The name of an existing entry of folder equal to name without regard to
// case (the exact spelling first), or name itself when there is none.
std::string ExistingName(const fs::path& folder, const std::string& name) {
    std::error_code error;
    if (fs::exists(folder / name, error)) {
        return name;
    }
    for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
        const std::string candidate = it->path().filename().string();
        if (EqualsIgnoringCase(candidate, name)) {
            return candidate;
        }
    }
    return name;
}

bool IsBelow(const fs::path& inner, const fs::path& outer) {
    const std::string innerText = inner.string();
    const std::string prefix = outer.string() + "/";
    return innerText.compare(0, prefix.size(), prefix) == 0;
}

bool ReadHostFile(const fs::path& host, std::string& bytes) {
    std::ifstream in(host, std::ios::binary);
    if (!in) {
        return false;
    }
    bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    return !in.bad();
}

}  // namespace

FakeFileSystem::FakeFileSystem() : root_(MakeTemporaryRoot()) {
    AddDrive('C', kDriveFixed);
    current_.drive = 'C';
}

FakeFileSystem::~FakeFileSystem() {
    std::error_code error;
    fs::remove_all(root_, error);
}

fs::path FakeFileSystem::DriveFolder(char letter) const {
    return root_ / std::string(1, UpperLetter(letter));
}

void FakeFileSystem::AddDrive(char letter, unsigned type) {
    if (!IsLetter(letter)) {
        throw FakeSetupError(std::string("not a drive letter: ") + letter);
    }
    std::error_code error;
    fs::create_directories(DriveFolder(letter), error);
    if (error) {
        throw FakeSetupError("cannot create the folder of drive " + std::string(1, letter));
    }
    drives_[UpperLetter(letter)].type = type;
}

void FakeFileSystem::SetMediaPresent(char letter, bool present) {
    const auto found = drives_.find(UpperLetter(letter));
    if (found == drives_.end()) {
        throw FakeSetupError(std::string("no drive ") + letter);
    }
    found->second.mediaPresent = present;
}

std::vector<std::string> FakeFileSystem::FixedDrives() const {
    std::vector<std::string> roots;
    for (const auto& drive : drives_) {
        if (drive.second.type == kDriveFixed) {
            roots.push_back(std::string{drive.first, ':', '\\'});
        }
    }
    return roots;
}

bool FakeFileSystem::SetCurrentDirectory(const std::string& path) {
    const auto location = Locate(path);
    if (!location || KindOf(location->host) != NodeKind::Directory) {
        return false;
    }
    current_ = location->path;
    current_.trailingSeparator = false;
    return true;
}

std::optional<FileLocation> FakeFileSystem::Locate(const std::string& path) const {
    const auto resolved = ResolveWindowsPath(path, current_);
    if (!resolved) {
        return std::nullopt;
    }
    return Locate(*resolved);
}

std::optional<FileLocation> FakeFileSystem::Locate(const WindowsPath& path) const {
    return LocateOnDrive(path, false);
}

std::optional<FileLocation> FakeFileSystem::LocateOnDrive(const WindowsPath& path,
                                                          bool withoutMedia) const {
    const auto drive = drives_.find(path.drive);
    if (drive == drives_.end() || (!drive->second.mediaPresent && !withoutMedia)) {
        return std::nullopt;
    }
    FileLocation location{path, DriveFolder(path.drive), drive->second.type};
    for (const std::string& name : path.components) {
        location.host /= ExistingName(location.host, name);
    }
    return location;
}

NodeKind FakeFileSystem::KindOf(const fs::path& host) {
    std::error_code error;
    const fs::file_status status = fs::status(host, error);
    if (error) {
        return NodeKind::Missing;
    }
    if (fs::is_directory(status)) {
        return NodeKind::Directory;
    }
    return fs::is_regular_file(status) ? NodeKind::File : NodeKind::Missing;
}

bool FakeFileSystem::FileExists(const std::string& path) const {
    const auto location = Locate(path);
    return location && !location->path.trailingSeparator &&
           KindOf(location->host) == NodeKind::File;
}

bool FakeFileSystem::DirectoryExists(const std::string& path) const {
    const auto location = Locate(path);
    return location && KindOf(location->host) == NodeKind::Directory;
}

std::uint32_t FakeFileSystem::ExtraAttributes(const fs::path& host) const {
    const auto found = states_.find(host.string());
    return found == states_.end() ? 0 : found->second.attributes;
}

std::uint32_t FakeFileSystem::AttributesOf(const fs::path& host, NodeKind kind) const {
    const std::uint32_t base = kind == NodeKind::Directory ? kAttrDirectory : kAttrArchive;
    return base | ExtraAttributes(host);
}

bool FakeFileSystem::ListDirectory(const std::string& pattern,
                                   std::vector<DirectoryEntry>& entries) const {
    entries.clear();
    std::string folderPath;
    std::string namePattern;
    SplitLastName(pattern, folderPath, namePattern);
    const auto folder = Locate(folderPath);
    if (namePattern.empty() || !folder || KindOf(folder->host) != NodeKind::Directory) {
        return false;
    }

    std::vector<DirectoryEntry> found;
    std::error_code error;
    for (fs::directory_iterator it(folder->host, error), end; !error && it != end;
         it.increment(error)) {
        const std::string name = it->path().filename().string();
        const NodeKind kind = KindOf(it->path());
        if (IsValidFileName(name) && kind != NodeKind::Missing) {
            found.push_back({name, AttributesOf(it->path(), kind)});
        }
    }
    // NTFS keeps a folder's names sorted by their upper-case form.
    std::sort(found.begin(), found.end(), [](const DirectoryEntry& a, const DirectoryEntry& b) {
        const std::string keyA = CaseFoldedKey(a.name);
        const std::string keyB = CaseFoldedKey(b.name);
        return keyA != keyB ? keyA < keyB : a.name < b.name;
    });
    if (!folder->path.IsRoot()) {
        found.insert(found.begin(), {{".", kAttrDirectory}, {"..", kAttrDirectory}});
    }
    for (DirectoryEntry& entry : found) {
        if (MatchesFileNamePattern(namePattern, entry.name)) {
            entries.push_back(std::move(entry));
        }
    }
    return !entries.empty();
}

bool FakeFileSystem::IsLocked(const fs::path& host) const {
    const auto found = states_.find(host.string());
    return found != states_.end() && found->second.locked;
}

bool FakeFileSystem::IsWritable(const FileLocation& location) const {
    return location.driveType != kDriveCdRom;
}

bool FakeFileSystem::InUse(const FileLocation& location) const {
    return IsLocked(location.host) || sharing_.IsOpen(location.host.string());
}

// CopyFileA refuses to overwrite a locked, read-only or hidden file; a file
// open through a handle shares writing, so it may be overwritten.
bool FakeFileSystem::CanReplace(const FileLocation& target) const {
    return !IsLocked(target.host) &&
           (ExtraAttributes(target.host) & (kAttrReadOnly | kAttrHidden)) == 0;
}

void FakeFileSystem::ForgetState(const fs::path& host) { states_.erase(host.string()); }

void FakeFileSystem::MoveState(const fs::path& from, const fs::path& to) {
    std::map<std::string, NodeState> moved;
    for (auto it = states_.begin(); it != states_.end();) {
        const fs::path key(it->first);
        if (key == from) {
            moved[to.string()] = it->second;
            it = states_.erase(it);
        } else if (IsBelow(key, from)) {
            moved[(to / key.lexically_relative(from)).string()] = it->second;
            it = states_.erase(it);
        } else {
            ++it;
        }
    }
    for (auto& entry : moved) {
        states_[entry.first] = entry.second;
    }
}

bool FakeFileSystem::CopyFileTo(const std::string& from, const std::string& to, bool failIfExists) {
    const auto source = Locate(from);
    const auto target = Locate(to);
    if (!source || !target || source->path.trailingSeparator || target->path.trailingSeparator ||
        KindOf(source->host) != NodeKind::File || !IsWritable(*target) ||
        KindOf(target->host.parent_path()) != NodeKind::Directory || source->host == target->host) {
        return false;
    }
    const std::uint32_t attributes = ExtraAttributes(source->host);
    switch (KindOf(target->host)) {
        case NodeKind::Directory:
            return false;
        case NodeKind::File:
            if (failIfExists || !CanReplace(*target)) {
                return false;
            }
            break;
        case NodeKind::Missing:
            break;
    }
    std::error_code error;
    fs::copy_file(source->host, target->host, fs::copy_options::overwrite_existing, error);
    if (error) {
        return false;
    }
    ForgetState(target->host);
    if (attributes != 0) {
        states_[target->host.string()].attributes = attributes;
    }
    return true;
}

bool FakeFileSystem::RemoveFile(const std::string& path) {
    const auto location = Locate(path);
    if (!location || location->path.trailingSeparator || KindOf(location->host) != NodeKind::File ||
        !IsWritable(*location) || InUse(*location) ||
        (ExtraAttributes(location->host) & kAttrReadOnly) != 0) {
        return false;
    }
    std::error_code error;
    if (!fs::remove(location->host, error)) {
        return false;
    }
    ForgetState(location->host);
    return true;
}

// A file in use keeps no one from changing its attributes, as on Windows;
// a drive that cannot be written (a CD) refuses.
bool FakeFileSystem::ClearReadOnly(const std::string& path) {
    const auto location = Locate(path);
    if (!location || KindOf(location->host) == NodeKind::Missing) {
        return false;
    }
    const std::uint32_t attributes = ExtraAttributes(location->host);
    if ((attributes & kAttrReadOnly) == 0) {
        return true;
    }
    if (!IsWritable(*location)) {
        return false;
    }
    states_[location->host.string()].attributes = attributes & ~std::uint32_t{kAttrReadOnly};
    return true;
}

bool FakeFileSystem::RenameFile(const std::string& from, const std::string& to) {
    const auto source = Locate(from);
    const auto target = Locate(to);
    if (!source || !target || source->path.IsRoot() || target->path.IsRoot() ||
        !IsWritable(*source) || !IsWritable(*target)) {
        return false;
    }
    const NodeKind kind = KindOf(source->host);
    if (kind == NodeKind::Missing || (kind == NodeKind::File && source->path.trailingSeparator) ||
        InUse(*source) || KindOf(target->host.parent_path()) != NodeKind::Directory) {
        return false;
    }
    fs::path destination = target->host;
    if (source->host == target->host) {
        // Renaming to the same name in another case changes only the case.
        destination = source->host.parent_path() / target->path.components.back();
    } else if (KindOf(target->host) != NodeKind::Missing) {
        return false;
    }
    if (kind == NodeKind::Directory) {
        const std::optional<FileLocation> current = Locate(current_);
        const bool holdsCurrent =
            current && (current->host == source->host || IsBelow(current->host, source->host));
        // Folders move only within their drive, never into themselves, and
        // not while a file in them is in use or a process works in them.
        if (source->path.drive != target->path.drive || IsBelow(destination, source->host) ||
            holdsCurrent || sharing_.AnyOpenBelow(source->host.string()) ||
            std::any_of(states_.begin(), states_.end(), [&](const auto& state) {
                return state.second.locked && IsBelow(fs::path(state.first), source->host);
            })) {
            return false;
        }
    }
    std::error_code error;
    fs::rename(source->host, destination, error);
    if (error) {
        return false;
    }
    MoveState(source->host, destination);
    return true;
}

bool FakeFileSystem::MakeDirectory(const std::string& path) {
    const auto location = Locate(path);
    if (!location || location->path.IsRoot() || !IsWritable(*location) ||
        location->path.ToString().size() >= kMaxDirectoryPath ||
        KindOf(location->host.parent_path()) != NodeKind::Directory ||
        KindOf(location->host) != NodeKind::Missing) {
        return false;
    }
    std::error_code error;
    return fs::create_directory(location->host, error) && !error;
}

std::optional<std::string> FakeFileSystem::ReadReachableFile(const std::string& path) const {
    const auto location = Locate(path);
    std::string bytes;
    if (!location || location->path.trailingSeparator || KindOf(location->host) != NodeKind::File ||
        !ReadHostFile(location->host, bytes)) {
        return std::nullopt;
    }
    return bytes;
}

FileLocation FakeFileSystem::LocateForSetup(const std::string& path) const {
    const auto resolved = ResolveWindowsPath(path, current_);
    if (!resolved) {
        throw FakeSetupError("not a usable Windows path: " + path);
    }
    // Set-up reaches a drive even while its medium is out.
    const auto location = LocateOnDrive(*resolved, true);
    if (!location) {
        throw FakeSetupError("no such drive: " + path);
    }
    return *location;
}

fs::path FakeFileSystem::HostPath(const std::string& path) const {
    return LocateForSetup(path).host;
}

void FakeFileSystem::WriteFile(const std::string& path, const std::string& bytes) {
    const FileLocation location = LocateForSetup(path);
    if (location.path.IsRoot() || KindOf(location.host) == NodeKind::Directory) {
        throw FakeSetupError("a folder is in the way of the file " + path);
    }
    std::error_code error;
    fs::create_directories(location.host.parent_path(), error);
    std::ofstream out(location.host, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (error || !out) {
        throw FakeSetupError("cannot write the file " + path);
    }
}

std::optional<std::string> FakeFileSystem::ReadFile(const std::string& path) const {
    const FileLocation location = LocateForSetup(path);
    std::string bytes;
    if (KindOf(location.host) != NodeKind::File || !ReadHostFile(location.host, bytes)) {
        return std::nullopt;
    }
    return bytes;
}

void FakeFileSystem::AddDirectory(const std::string& path) {
    const FileLocation location = LocateForSetup(path);
    std::error_code error;
    fs::create_directories(location.host, error);
    if (error || KindOf(location.host) != NodeKind::Directory) {
        throw FakeSetupError("cannot create the folder " + path);
    }
}

void FakeFileSystem::LockFile(const std::string& path, bool locked) {
    const FileLocation location = LocateForSetup(path);
    if (KindOf(location.host) != NodeKind::File) {
        throw FakeSetupError("no file to lock: " + path);
    }
    states_[location.host.string()].locked = locked;
}

void FakeFileSystem::SetAttributes(const std::string& path, std::uint32_t attributes) {
    const FileLocation location = LocateForSetup(path);
    if (KindOf(location.host) == NodeKind::Missing) {
        throw FakeSetupError("no file or folder: " + path);
    }
    states_[location.host.string()].attributes = attributes & kStoredAttributes;
}

std::optional<std::uint32_t> FakeFileSystem::Attributes(const std::string& path) const {
    const FileLocation location = LocateForSetup(path);
    const NodeKind kind = KindOf(location.host);
    if (kind == NodeKind::Missing) {
        return std::nullopt;
    }
    return AttributesOf(location.host, kind);
}

}  // namespace tavrik::platform
