// Which files are open through raw handles, so that the file routines can
// refuse what Windows refuses while a handle is open. Every open behaves as
// CreateFileA with FILE_SHARE_READ: readers share, a writer is alone, and no
// open file can be deleted, renamed, or overwritten by a copy.
#pragma once

#include <map>
#include <string>

namespace tavrik::platform {

class FileSharing {
public:
    bool CanOpen(const std::string& hostPath, bool forWriting) const;
    void Opened(const std::string& hostPath, bool forWriting);
    void Closed(const std::string& hostPath, bool forWriting);
    bool IsOpen(const std::string& hostPath) const;
    // Whether an open file lies in the folder hostFolder or below it.
    bool AnyOpenBelow(const std::string& hostFolder) const;

private:
    struct Users {
        int readers = 0;
        int writers = 0;
    };
    std::map<std::string, Users> files_;
};

}  // namespace tavrik::platform
