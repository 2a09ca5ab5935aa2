// A file read through the machine a window at a time, for the bitmap
// decoder: a picture is decoded without the whole file in memory.
//
// Under Wine memory the process touches for the first time costs more than
// reading the file into it, so the window is small (64 KB, larger only for
// one longer request) and its memory is kept from one file to the next.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "platform/Machine.h"
#include "vcl/BmpDecoder.h"

namespace tavrik::vcl {

class FileWindow final : public BmpSource {
public:
    static constexpr std::size_t kWindowSize = 64 * 1024;

    // Opens the file for reading; IsOpen() is false when it cannot be opened,
    // its size cannot be told or it is larger than maxSize.
    FileWindow(const std::string& path, std::size_t maxSize, std::size_t windowSize = kWindowSize);
    ~FileWindow() override;
    FileWindow(const FileWindow&) = delete;
    FileWindow& operator=(const FileWindow&) = delete;

    bool IsOpen() const { return file_ != platform::kNoHandle; }
    // A read failed, or the file ended before its size.
    bool ReadFailed() const { return failed_; }

    std::size_t Size() const override { return size_; }
    const std::uint8_t* At(std::size_t offset, std::size_t length) override;

private:
    bool Fill(std::size_t offset, std::size_t length);

    platform::Handle file_ = platform::kNoHandle;
    std::size_t size_ = 0;
    std::size_t windowSize_;
    std::string window_;
    std::size_t start_ = 0;
    std::size_t filled_ = 0;
    bool failed_ = false;
};

}  // namespace tavrik::vcl
