// The HKEY_LOCAL_MACHINE tree of the fake machine. Key and value names
// compare without regard to case and keep the case they were created with.
// As on Windows, the hive keys directly under the root (SOFTWARE, SYSTEM,
// ...) can be neither created nor deleted, and without administrator rights
// ("denied") keys can be tested and values read, but nothing can be opened
// for writing, created, written or deleted.
#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/Machine.h"

namespace tavrik::platform {

class FakeRegistry {
public:
    FakeRegistry();

    // --- What the wizard sees (the Machine operations).
    bool KeyExists(const std::string& key) const;
    bool OpenKey(const std::string& key, bool createIfMissing);
    bool ReadValue(const std::string& key, const std::string& name, RegistryValue& value) const;
    bool WriteValue(const std::string& key, const std::string& name, const RegistryValue& value);
    bool DeleteKeyTree(const std::string& key);
    bool DeleteValue(const std::string& key, const std::string& name);
    bool Flush();

    // --- Test knobs; they ignore the "denied" state and the hive rules.
    // Creates the key and its parents as needed; false for a malformed key.
    bool SetValue(const std::string& key, const std::string& name, const RegistryValue& value);
    bool CreateKey(const std::string& key);
    void SetDenied(bool denied) { denied_ = denied; }
    int FlushCount() const { return flushCount_; }
    // Names as created, in the order they were first written.
    std::vector<std::string> ValueNames(const std::string& key) const;

private:
    struct Value {
        std::string name;
        RegistryValue value;
        std::uint64_t order = 0;
    };
    struct Key {
        std::string name;
        std::map<std::string, std::unique_ptr<Key>> subKeys;  // by folded name
        std::map<std::string, Value> values;                  // by folded name
    };

    const Key* Find(const std::vector<std::string>& names) const;
    Key* Find(const std::vector<std::string>& names);
    Key* Create(const std::vector<std::string>& names, bool allowNewHive);
    void Store(Key& key, const std::string& name, const RegistryValue& value);

    Key root_;
    bool denied_ = false;
    int flushCount_ = 0;
    std::uint64_t nextValueOrder_ = 0;
};

// Splits "SOFTWARE\NORVA" into its names; nothing for a malformed path
// (a leading backslash, an empty inner name, a name over 255 characters).
// The empty path names the root itself.
std::optional<std::vector<std::string>> SplitRegistryPath(const std::string& key);

// Convenience for tests that set values of other types than strings.
RegistryValue DwordValue(std::uint32_t number);
RegistryValue StringValue(const std::string& text);

}  // namespace tavrik::platform
