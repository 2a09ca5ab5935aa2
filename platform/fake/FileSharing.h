// Which files are open through raw handles, so that the file routines can
// refuse what Windows refuses while a handle is open. Every open behaves as
// CreateFileA with FILE_SHARE_READ | FILE_SHARE_WRITE, as the real machine
// opens files: other handles may read and write meanwhile, but no open file
// can be deleted, renamed, or overwritten by a copy.
#pragma once

#include <map>
#include <string>

namespace tavrik::platform {

class FileSharing {
public:
    void Opened(const std::string& hostPath);
    void Closed(const std::string& hostPath);
    bool IsOpen(const std::string& hostPath) const;
    // Whether an open file lies in the folder hostFolder or below it.
    bool AnyOpenBelow(const std::string& hostFolder) const;

private:
    std::map<std::string, int> openCounts_;
};

}  // namespace tavrik::platform
