#include "vcl/FileWindow.h"

#include <algorithm>

namespace tavrik::vcl {

namespace {

// A window grown for one long request is not kept beyond this.
constexpr std::size_t kMostKeptWindow = 256 * 1024;

std::string& KeptWindow() {
    static std::string kept;
    return kept;
}

}  // namespace

FileWindow::FileWindow(const std::string& path, std::size_t maxSize, std::size_t windowSize)
    : windowSize_(std::max<std::size_t>(windowSize, 1)) {
    window_.swap(KeptWindow());
    platform::Machine& machine = platform::CurrentMachine();
    file_ =
        machine.OpenFile(path, platform::FileAccess::Read, platform::FileCreation::OpenExisting);
    if (file_ == platform::kNoHandle) return;
    const std::int64_t size = machine.SeekFile(file_, 0, platform::SeekOrigin::End);
    if (size < 0 || static_cast<std::uint64_t>(size) > maxSize) {
        machine.CloseFile(file_);
        file_ = platform::kNoHandle;
        return;
    }
    size_ = static_cast<std::size_t>(size);
}

FileWindow::~FileWindow() {
    if (IsOpen()) platform::CurrentMachine().CloseFile(file_);
    if (window_.capacity() <= kMostKeptWindow) window_.swap(KeptWindow());
}

const std::uint8_t* FileWindow::At(std::size_t offset, std::size_t length) {
    const bool inside =
        offset >= start_ && length <= filled_ && offset - start_ <= filled_ - length;
    if (!inside && !Fill(offset, length)) return nullptr;
    return reinterpret_cast<const std::uint8_t*>(window_.data()) + (offset - start_);
}

bool FileWindow::Fill(std::size_t offset, std::size_t length) {
    start_ = 0;
    filled_ = 0;
    if (failed_ || !IsOpen() || offset > size_ || length > size_ - offset) {
        failed_ = true;
        return false;
    }
    platform::Machine& machine = platform::CurrentMachine();
    const std::size_t wanted = std::min(std::max(length, windowSize_), size_ - offset);
    window_.resize(wanted);
    if (machine.SeekFile(file_, static_cast<std::int64_t>(offset), platform::SeekOrigin::Begin) !=
        static_cast<std::int64_t>(offset)) {
        failed_ = true;
        return false;
    }
    std::size_t got = 0;
    while (got < wanted) {
        const std::int64_t read = machine.ReadFile(file_, &window_[got], wanted - got);
        if (read <= 0) break;
        got += static_cast<std::size_t>(read);
    }
    if (got < length) {
        failed_ = true;
        return false;
    }
    start_ = offset;
    filled_ = got;
    return true;
}

}  // namespace tavrik::vcl
