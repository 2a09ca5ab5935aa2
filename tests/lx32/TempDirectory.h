// A fresh folder for one test, removed with everything in it afterwards.
#pragma once

#include <string>

namespace tavrik::lx::test {

class TempDirectory {
public:
    TempDirectory();
    ~TempDirectory();
    TempDirectory(const TempDirectory&) = delete;
    TempDirectory& operator=(const TempDirectory&) = delete;

    const std::string& Path() const { return path_; }
    // Path() + "/" + relative, with the folders leading to it created.
    std::string Write(const std::string& relative, const std::string& contents) const;

private:
    std::string path_;
};

std::string ReadFile(const std::string& path);

}  // namespace tavrik::lx::test
