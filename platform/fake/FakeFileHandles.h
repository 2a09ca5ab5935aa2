// Raw file handles of the fake machine (CreateFileA, SetFilePointer,
// ReadFile, WriteFile, CloseHandle). Opening for writing is refused for a
// read-only or locked file and on a CD-ROM; other open handles never stand
// in the way (see FileSharing); creating over a hidden or system file is
// refused as CreateFileA refuses it. Operations on kNoHandle, an unknown or
// a closed handle fail without effect.
#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <map>
#include <string>

#include "platform/Machine.h"
#include "platform/fake/FakeFileSystem.h"
#include "platform/fake/HandleCounter.h"

namespace tavrik::platform {

class FakeFileHandles {
public:
    FakeFileHandles(FakeFileSystem& files, HandleCounter& handles)
        : files_(files), handles_(handles) {}
    ~FakeFileHandles();
    FakeFileHandles(const FakeFileHandles&) = delete;
    FakeFileHandles& operator=(const FakeFileHandles&) = delete;

    Handle Open(const std::string& path, FileAccess access, FileCreation creation);
    std::int64_t Seek(Handle file, std::int64_t offset, SeekOrigin origin);
    std::int64_t Write(Handle file, const void* data, std::size_t size);
    std::int64_t Read(Handle file, void* data, std::size_t size);
    bool Close(Handle file);

    int OpenCount() const { return static_cast<int>(open_.size()); }

private:
    struct OpenFile {
        std::filesystem::path host;
        FileAccess access = FileAccess::Read;
        std::int64_t position = 0;
        bool CanRead() const { return access != FileAccess::Write; }
        bool CanWrite() const { return access != FileAccess::Read; }
    };

    bool MayOpen(const FileLocation& location, FileAccess access, FileCreation creation) const;

    FakeFileSystem& files_;
    HandleCounter& handles_;
    std::map<Handle, OpenFile> open_;
};

}  // namespace tavrik::platform
