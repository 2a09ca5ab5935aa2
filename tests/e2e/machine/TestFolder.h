// A scratch folder on drive C for one test, removed with its content after.
#pragma once

#include <string>

namespace tavrik::platform {

class TestFolder {
public:
    TestFolder();
    TestFolder(const TestFolder&) = delete;
    TestFolder& operator=(const TestFolder&) = delete;
    ~TestFolder();

    const std::string& path() const { return path_; }
    std::string operator/(const std::string& name) const { return path_ + "\\" + name; }

    // Writes a file with the raw API (not through the machine).
    void Write(const std::string& name, const std::string& bytes) const;
    // The whole file, or "<missing>".
    std::string Read(const std::string& name) const;

private:
    std::string path_;
};

}  // namespace tavrik::platform
