// The registry under HKEY_LOCAL_MACHINE. Every call opens what it needs and
// closes it before returning.
#include <string>
#include <vector>

#include "platform/win32/Win32Api.h"
#include "platform/win32/Win32Machine.h"

namespace tavrik::platform {

namespace {

// An open registry key, closed when it goes out of scope.
class OpenKey {
public:
    OpenKey(const std::string& path, REGSAM access) {
        if (::RegOpenKeyExA(HKEY_LOCAL_MACHINE, path.c_str(), 0, access, &key_) != ERROR_SUCCESS) {
            key_ = nullptr;
        }
    }
    OpenKey(const OpenKey&) = delete;
    OpenKey& operator=(const OpenKey&) = delete;
    ~OpenKey() {
        if (key_ != nullptr) {
            ::RegCloseKey(key_);
        }
    }
    explicit operator bool() const { return key_ != nullptr; }
    HKEY get() const { return key_; }

private:
    HKEY key_ = nullptr;
};

// The local machine's root itself is never deleted: an empty path (or one
// of backslashes only) would otherwise take every key of the machine with it.
bool NamesASubKey(const std::string& key) {
    return key.find_first_not_of('\\') != std::string::npos;
}

// Names of the direct sub-keys, read in full before anything is deleted so
// that a sub-key that resists deletion cannot make the walk loop.
bool SubKeyNames(HKEY key, std::vector<std::string>& names) {
    DWORD longest = 0;
    if (::RegQueryInfoKeyA(key, nullptr, nullptr, nullptr, nullptr, &longest, nullptr, nullptr,
                           nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS) {
        return false;
    }
    std::vector<char> name(longest + 1);
    DWORD index = 0;
    for (;;) {
        DWORD length = static_cast<DWORD>(name.size());
        const LONG result =
            ::RegEnumKeyExA(key, index, name.data(), &length, nullptr, nullptr, nullptr, nullptr);
        if (result == ERROR_NO_MORE_ITEMS) {
            return true;
        }
        if (result == ERROR_MORE_DATA) {  // a longer name appeared meanwhile
            name.resize(name.size() * 2);
            continue;
        }
        if (result != ERROR_SUCCESS) {
            return false;
        }
        names.emplace_back(name.data(), length);
        ++index;
    }
}

// Windows 2000 has no call that deletes a tree: delete the leaves first.
bool DeleteTree(const std::string& path) {
    std::vector<std::string> children;
    {
        OpenKey key(path, KEY_READ);
        if (!key || !SubKeyNames(key.get(), children)) {
            return false;
        }
    }
    bool deleted = true;
    for (const std::string& child : children) {
        deleted = DeleteTree(path + "\\" + child) && deleted;
    }
    return ::RegDeleteKeyA(HKEY_LOCAL_MACHINE, path.c_str()) == ERROR_SUCCESS && deleted;
}

}  // namespace

bool Win32Machine::RegistryKeyExists(const std::string& key) {
    HKEY handle = nullptr;
    const LONG result = ::RegOpenKeyExA(HKEY_LOCAL_MACHINE, key.c_str(), 0, KEY_READ, &handle);
    if (result == ERROR_SUCCESS) {
        ::RegCloseKey(handle);
        return true;
    }
    // A key the user may not read still exists.
    return result == ERROR_ACCESS_DENIED;
}

bool Win32Machine::RegistryOpenKey(const std::string& key, bool createIfMissing) {
    HKEY handle = nullptr;
    LONG result;
    if (createIfMissing) {
        DWORD disposition = 0;
        result =
            ::RegCreateKeyExA(HKEY_LOCAL_MACHINE, key.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                              KEY_ALL_ACCESS, nullptr, &handle, &disposition);
    } else {
        result = ::RegOpenKeyExA(HKEY_LOCAL_MACHINE, key.c_str(), 0, KEY_ALL_ACCESS, &handle);
    }
    if (result != ERROR_SUCCESS) {
        return false;
    }
    ::RegCloseKey(handle);
    return true;
}

bool Win32Machine::RegistryReadValue(const std::string& key, const std::string& name,
                                     RegistryValue& value) {
    OpenKey open(key, KEY_QUERY_VALUE);
    if (!open) {
        return false;
    }
    DWORD type = 0;
    DWORD size = 0;
    LONG result = ::RegQueryValueExA(open.get(), name.c_str(), nullptr, &type, nullptr, &size);
    std::vector<BYTE> data;
    while (result == ERROR_SUCCESS || result == ERROR_MORE_DATA) {
        // The value may grow between the two calls: ask again with its new size.
        data.resize(size);
        result = ::RegQueryValueExA(open.get(), name.c_str(), nullptr, &type, data.data(), &size);
        if (result == ERROR_SUCCESS) {
            value.type = type;
            value.data.assign(reinterpret_cast<const char*>(data.data()), size);
            TrimStringAtNul(value);
            return true;
        }
    }
    return false;
}

bool Win32Machine::RegistryWriteString(const std::string& key, const std::string& name,
                                       const std::string& text) {
    OpenKey open(key, KEY_SET_VALUE);
    if (!open || text.size() >= MAXDWORD) {
        return false;
    }
    const DWORD size = static_cast<DWORD>(text.size() + 1);  // with the final NUL
    return ::RegSetValueExA(open.get(), name.c_str(), 0, REG_SZ,
                            reinterpret_cast<const BYTE*>(text.c_str()), size) == ERROR_SUCCESS;
}

bool Win32Machine::RegistryDeleteKeyTree(const std::string& key) {
    if (!NamesASubKey(key)) {
        return false;
    }
    // Sub-key paths are built with one backslash after the key's own path.
    return DeleteTree(key.substr(0, key.find_last_not_of('\\') + 1));
}

bool Win32Machine::RegistryDeleteValue(const std::string& key, const std::string& name) {
    OpenKey open(key, KEY_SET_VALUE);
    return open && ::RegDeleteValueA(open.get(), name.c_str()) == ERROR_SUCCESS;
}

bool Win32Machine::RegistryFlush() { return ::RegFlushKey(HKEY_LOCAL_MACHINE) == ERROR_SUCCESS; }

}  // namespace tavrik::platform
