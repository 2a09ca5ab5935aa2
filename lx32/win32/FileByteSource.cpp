#include "lx32/FileByteSource.h"

#include <windows.h>

namespace tavrik::lx {

namespace {
HANDLE AsHandle(std::intptr_t handle) { return reinterpret_cast<HANDLE>(handle); }
}  // namespace

bool FileByteSource::Open(const char* path) noexcept {
    Close();
    // Others may read the dictionary meanwhile; nobody may change it under us.
    HANDLE file = ::CreateFileA(path, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                FILE_ATTRIBUTE_NORMAL | FILE_FLAG_RANDOM_ACCESS, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        return false;
    }
    DWORD high = 0;
    ::SetLastError(NO_ERROR);  // a size of 0xFFFFFFFF is only an error when this changes
    const DWORD low = ::GetFileSize(file, &high);
    if (low == INVALID_FILE_SIZE && ::GetLastError() != NO_ERROR) {
        ::CloseHandle(file);
        return false;
    }
    handle_ = reinterpret_cast<std::intptr_t>(file);
    size_ = (static_cast<std::uint64_t>(high) << 32) | low;
    return true;
}

void FileByteSource::Close() noexcept {
    if (IsOpen()) {
        ::CloseHandle(AsHandle(handle_));
        handle_ = kClosed;
        size_ = 0;
    }
}

bool FileByteSource::ReadAt(std::uint64_t offset, void* destination,
                            std::size_t size) const noexcept {
    if (!IsOpen() || offset > size_ || size > size_ - offset) {
        return false;
    }
    // Dictionaries stay far below 4 GiB and one read far below that too.
    if (size > 0xFFFFFFFFu) {
        return false;
    }
    LONG high = static_cast<LONG>(offset >> 32);
    ::SetLastError(NO_ERROR);
    const DWORD low = ::SetFilePointer(AsHandle(handle_), static_cast<LONG>(offset & 0xFFFFFFFFu),
                                       &high, FILE_BEGIN);
    if (low == INVALID_SET_FILE_POINTER && ::GetLastError() != NO_ERROR) {
        return false;
    }
    auto* out = static_cast<unsigned char*>(destination);
    while (size > 0) {
        DWORD got = 0;
        if (!::ReadFile(AsHandle(handle_), out, static_cast<DWORD>(size), &got, nullptr) ||
            got == 0) {
            return false;  // an error (a removed medium), or the end of the file
        }
        out += got;
        size -= got;
    }
    return true;
}

}  // namespace tavrik::lx
