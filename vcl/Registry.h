// A registry object over the platform seam. The root is always
// HKEY_LOCAL_MACHINE. Key names starting with '\' are taken from the root,
// others from the key currently open (or the root when none is).
#pragma once

#include <cstdint>
#include <string>

#include "vcl/Events.h"

namespace tavrik::vcl {

// Predefined root keys, numbered as Windows numbers them.
using TRootKey = std::uint32_t;
constexpr TRootKey kHKeyLocalMachine = 0x80000002u;

class TRegistry : public TObject {
public:
    TRegistry() = default;
    const char* ClassName() const override { return "TRegistry"; }

    // The only root this object works on; asking for another raises
    // ERegistryException.
    TRootKey RootKey() const { return kHKeyLocalMachine; }
    void SetRootKey(TRootKey root);

    // Opens a key (creating it and its parents when canCreate); on success
    // it becomes the current key.
    bool OpenKey(const std::string& key, bool canCreate);
    void CloseKey() {
        currentPath_.clear();
        open_ = false;
    }
    bool HasCurrentKey() const { return open_; }
    // Path of the current key from the root, without leading backslash.
    const std::string& CurrentPath() const { return currentPath_; }

    bool KeyExists(const std::string& key) const;
    // Deletes the key with all its sub-keys.
    bool DeleteKey(const std::string& key);

    // Values of the current key.
    bool ValueExists(const std::string& name) const;
    // "" when the value does not exist; raises ERegistryException when it
    // holds something else than a string (REG_SZ or REG_EXPAND_SZ).
    std::string ReadString(const std::string& name) const;
    // Raises ERegistryException when no key is open or the write fails.
    void WriteString(const std::string& name, const std::string& value);
    bool DeleteValue(const std::string& name);

private:
    std::string FullPath(const std::string& key) const;

    std::string currentPath_;
    bool open_ = false;
};

}  // namespace tavrik::vcl
