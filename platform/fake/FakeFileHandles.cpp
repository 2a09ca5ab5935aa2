#include "platform/fake/FakeFileHandles.h"

#include <fcntl.h>
#include <unistd.h>

#include <limits>
#include <system_error>

namespace tavrik::platform {

namespace fs = std::filesystem;

namespace {

// A host descriptor that closes itself.
class HostDescriptor {
public:
    HostDescriptor(const fs::path& path, int flags) : fd_(::open(path.c_str(), flags, 0644)) {}
    ~HostDescriptor() {
        if (fd_ >= 0) {
            ::close(fd_);
        }
    }
    HostDescriptor(const HostDescriptor&) = delete;
    HostDescriptor& operator=(const HostDescriptor&) = delete;
    int get() const { return fd_; }

private:
    int fd_;
};

bool ForWriting(FileAccess access) { return access != FileAccess::Read; }

}  // namespace

FakeFileHandles::~FakeFileHandles() {
    for (const auto& entry : open_) {
        files_.Sharing().Closed(entry.second.host.string());
    }
}

bool FakeFileHandles::MayOpen(const FileLocation& location, FileAccess access,
                              FileCreation creation) const {
    const NodeKind kind = FakeFileSystem::KindOf(location.host);
    if (location.path.trailingSeparator || location.path.IsRoot() || kind == NodeKind::Directory) {
        return false;
    }
    if (creation == FileCreation::OpenExisting && kind != NodeKind::File) {
        return false;
    }
    const bool writes = ForWriting(access) || creation == FileCreation::CreateAlways;
    if (!writes) {
        return true;
    }
    const std::uint32_t attributes =
        kind == NodeKind::File ? files_.ExtraAttributes(location.host) : 0;
    return location.driveType != kDriveCdRom && !files_.IsLocked(location.host) &&
           (attributes & kAttrReadOnly) == 0 &&
           (creation != FileCreation::CreateAlways ||
            (attributes & (kAttrHidden | kAttrSystem)) == 0) &&
           FakeFileSystem::KindOf(location.host.parent_path()) == NodeKind::Directory;
}

Handle FakeFileHandles::Open(const std::string& path, FileAccess access, FileCreation creation) {
    const auto location = files_.Locate(path);
    if (!location || !MayOpen(*location, access, creation)) {
        return kNoHandle;
    }
    if (creation == FileCreation::CreateAlways) {
        HostDescriptor created(location->host, O_WRONLY | O_CREAT | O_TRUNC);
        if (created.get() < 0) {
            return kNoHandle;
        }
    }
    const Handle handle = handles_.Next();
    open_[handle] = OpenFile{location->host, access, 0};
    files_.Sharing().Opened(location->host.string());
    return handle;
}

std::int64_t FakeFileHandles::Seek(Handle file, std::int64_t offset, SeekOrigin origin) {
    const auto found = open_.find(file);
    if (found == open_.end()) {
        return -1;
    }
    OpenFile& open = found->second;
    std::int64_t base = 0;
    if (origin == SeekOrigin::Current) {
        base = open.position;
    } else if (origin == SeekOrigin::End) {
        std::error_code error;
        const auto size = fs::file_size(open.host, error);
        if (error) {
            return -1;
        }
        base = static_cast<std::int64_t>(size);
    } else if (origin != SeekOrigin::Begin) {
        return -1;
    }
    // A position before the start is refused and leaves the old one.
    if ((offset < 0 && base < -offset) ||
        (offset > 0 && base > std::numeric_limits<std::int64_t>::max() - offset)) {
        return -1;
    }
    open.position = base + offset;
    return open.position;
}

std::int64_t FakeFileHandles::Write(Handle file, const void* data, std::size_t size) {
    const auto found = open_.find(file);
    if (found == open_.end() || !found->second.CanWrite() || (data == nullptr && size > 0)) {
        return -1;
    }
    OpenFile& open = found->second;
    HostDescriptor descriptor(open.host, O_WRONLY);
    if (descriptor.get() < 0) {
        return -1;
    }
    // Writing past the end fills the gap with zeros, as NTFS shows it.
    const auto* bytes = static_cast<const char*>(data);
    std::size_t written = 0;
    while (written < size) {
        const ssize_t count =
            ::pwrite(descriptor.get(), bytes + written, size - written,
                     static_cast<off_t>(open.position) + static_cast<off_t>(written));
        if (count <= 0) {
            return -1;
        }
        written += static_cast<std::size_t>(count);
    }
    open.position += static_cast<std::int64_t>(written);
    return static_cast<std::int64_t>(written);
}

std::int64_t FakeFileHandles::Read(Handle file, void* data, std::size_t size) {
    const auto found = open_.find(file);
    if (found == open_.end() || !found->second.CanRead() || (data == nullptr && size > 0)) {
        return -1;
    }
    OpenFile& open = found->second;
    HostDescriptor descriptor(open.host, O_RDONLY);
    if (descriptor.get() < 0) {
        return -1;
    }
    auto* bytes = static_cast<char*>(data);
    std::size_t done = 0;
    while (done < size) {
        const ssize_t count = ::pread(descriptor.get(), bytes + done, size - done,
                                      static_cast<off_t>(open.position) + static_cast<off_t>(done));
        if (count < 0) {
            return -1;
        }
        if (count == 0) {
            break;  // end of file
        }
        done += static_cast<std::size_t>(count);
    }
    open.position += static_cast<std::int64_t>(done);
    return static_cast<std::int64_t>(done);
}

bool FakeFileHandles::Close(Handle file) {
    const auto found = open_.find(file);
    if (found == open_.end()) {
        return false;
    }
    files_.Sharing().Closed(found->second.host.string());
    open_.erase(found);
    return true;
}

}  // namespace tavrik::platform
