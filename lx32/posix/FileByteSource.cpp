#include "lx32/FileByteSource.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

namespace tavrik::lx {

bool FileByteSource::Open(const char* path) noexcept {
    Close();
    const int fd = ::open(path, O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        return false;
    }
    struct stat info {};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        ::close(fd);
        return false;
    }
    handle_ = fd;
    size_ = static_cast<std::uint64_t>(info.st_size);
    return true;
}

void FileByteSource::Close() noexcept {
    if (IsOpen()) {
        ::close(static_cast<int>(handle_));
        handle_ = kClosed;
        size_ = 0;
    }
}

bool FileByteSource::ReadAt(std::uint64_t offset, void* destination,
                            std::size_t size) const noexcept {
    if (!IsOpen() || offset > size_ || size > size_ - offset) {
        return false;
    }
    auto* out = static_cast<unsigned char*>(destination);
    while (size > 0) {
        const ssize_t got =
            ::pread(static_cast<int>(handle_), out, size, static_cast<off_t>(offset));
        if (got < 0 && errno == EINTR) {
            continue;
        }
        if (got <= 0) {
            return false;  // an error, or the file was cut short meanwhile
        }
        out += got;
        offset += static_cast<std::uint64_t>(got);
        size -= static_cast<std::size_t>(got);
    }
    return true;
}

}  // namespace tavrik::lx
