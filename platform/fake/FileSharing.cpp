#include "platform/fake/FileSharing.h"

namespace tavrik::platform {

void FileSharing::Opened(const std::string& hostPath) { openCounts_[hostPath] += 1; }

void FileSharing::Closed(const std::string& hostPath) {
    const auto found = openCounts_.find(hostPath);
    if (found != openCounts_.end() && --found->second <= 0) {
        openCounts_.erase(found);
    }
}

bool FileSharing::IsOpen(const std::string& hostPath) const {
    return openCounts_.count(hostPath) > 0;
}

bool FileSharing::AnyOpenBelow(const std::string& hostFolder) const {
    const std::string prefix = hostFolder + "/";
    const auto first = openCounts_.lower_bound(prefix);
    return first != openCounts_.end() && first->first.compare(0, prefix.size(), prefix) == 0;
}

}  // namespace tavrik::platform
