#include "vcl/Registry.h"

#include "platform/Machine.h"
#include "vcl/Exceptions.h"

namespace tavrik::vcl {

namespace {
platform::Machine& Machine() { return platform::CurrentMachine(); }

std::string Trimmed(std::string path) {
    while (!path.empty() && path.front() == '\\') path.erase(path.begin());
    while (!path.empty() && path.back() == '\\') path.pop_back();
    return path;
}
}  // namespace

void TRegistry::SetRootKey(TRootKey root) {
    if (root != kHKeyLocalMachine) {
        throw ERegistryException("Only HKEY_LOCAL_MACHINE is available");
    }
}

std::string TRegistry::FullPath(const std::string& key) const {
    const bool fromRoot = !key.empty() && key.front() == '\\';
    const std::string relative = Trimmed(key);
    if (fromRoot || !open_ || currentPath_.empty()) return relative;
    if (relative.empty()) return currentPath_;
    return currentPath_ + "\\" + relative;
}

bool TRegistry::OpenKey(const std::string& key, bool canCreate) {
    const std::string path = FullPath(key);
    if (path.empty() || !Machine().RegistryOpenKey(path, canCreate)) return false;
    currentPath_ = path;
    open_ = true;
    return true;
}

bool TRegistry::KeyExists(const std::string& key) const {
    const std::string path = FullPath(key);
    return !path.empty() && Machine().RegistryKeyExists(path);
}

bool TRegistry::DeleteKey(const std::string& key) {
    const std::string path = FullPath(key);
    if (path.empty()) return false;
    const bool deleted = Machine().RegistryDeleteKeyTree(path);
    // The current key may have gone with it.
    if (deleted && open_ && !Machine().RegistryKeyExists(currentPath_)) CloseKey();
    return deleted;
}

bool TRegistry::ValueExists(const std::string& name) const {
    if (!open_) return false;
    platform::RegistryValue value;
    return Machine().RegistryReadValue(currentPath_, name, value);
}

std::string TRegistry::ReadString(const std::string& name) const {
    if (!open_) return "";
    platform::RegistryValue value;
    if (!Machine().RegistryReadValue(currentPath_, name, value)) return "";
    if (value.type != platform::kRegSz && value.type != platform::kRegExpandSz) {
        throw ERegistryException("Invalid data type for '" + name + "'");
    }
    // Data written by other programs may carry its terminating NUL.
    const std::size_t nul = value.data.find('\0');
    return nul == std::string::npos ? value.data : value.data.substr(0, nul);
}

void TRegistry::WriteString(const std::string& name, const std::string& value) {
    if (!open_ || !Machine().RegistryWriteString(currentPath_, name, value)) {
        throw ERegistryException("Failed to set data for '" + name + "'");
    }
}

bool TRegistry::DeleteValue(const std::string& name) {
    return open_ && Machine().RegistryDeleteValue(currentPath_, name);
}

}  // namespace tavrik::vcl
