#include "platform/fake/FileSharing.h"

namespace tavrik::platform {

bool FileSharing::CanOpen(const std::string& hostPath, bool forWriting) const {
    const auto found = files_.find(hostPath);
    if (found == files_.end()) {
        return true;
    }
    return !forWriting && found->second.writers == 0;
}

void FileSharing::Opened(const std::string& hostPath, bool forWriting) {
    Users& users = files_[hostPath];
    (forWriting ? users.writers : users.readers) += 1;
}

void FileSharing::Closed(const std::string& hostPath, bool forWriting) {
    const auto found = files_.find(hostPath);
    if (found == files_.end()) {
        return;
    }
    (forWriting ? found->second.writers : found->second.readers) -= 1;
    if (found->second.readers <= 0 && found->second.writers <= 0) {
        files_.erase(found);
    }
}

bool FileSharing::IsOpen(const std::string& hostPath) const { return files_.count(hostPath) > 0; }

bool FileSharing::AnyOpenBelow(const std::string& hostFolder) const {
    const std::string prefix = hostFolder + "/";
    const auto first = files_.lower_bound(prefix);
    return first != files_.end() && first->first.compare(0, prefix.size(), prefix) == 0;
}

}  // namespace tavrik::platform
