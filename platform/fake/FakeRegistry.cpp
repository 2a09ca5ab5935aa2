#include "platform/fake/FakeRegistry.h"

#include <algorithm>

#include "platform/fake/CaseFolding.h"

namespace tavrik::platform {

namespace {

constexpr std::size_t kMaxKeyNameLength = 255;

// The hive keys every HKEY_LOCAL_MACHINE has.
const char* const kHives[] = {"HARDWARE", "SAM", "SECURITY", "SOFTWARE", "SYSTEM"};

}  // namespace

std::optional<std::vector<std::string>> SplitRegistryPath(const std::string& key) {
    std::vector<std::string> names;
    if (key.empty()) {
        return names;
    }
    if (key.front() == '\\') {
        return std::nullopt;
    }
    std::size_t start = 0;
    while (start < key.size()) {
        std::size_t end = key.find('\\', start);
        if (end == std::string::npos) {
            end = key.size();
        }
        const std::string name = key.substr(start, end - start);
        if (name.empty() || name.size() > kMaxKeyNameLength ||
            name.find('\0') != std::string::npos) {
            return std::nullopt;
        }
        names.push_back(name);
        start = end + 1;  // a single final backslash is ignored
    }
    return names;
}

RegistryValue DwordValue(std::uint32_t number) {
    std::string data(4, '\0');
    for (std::size_t i = 0; i < 4; ++i) {
        data[i] = static_cast<char>((number >> (8 * i)) & 0xFF);  // little-endian
    }
    return RegistryValue{kRegDword, data};
}

RegistryValue StringValue(const std::string& text) { return RegistryValue{kRegSz, text}; }

FakeRegistry::FakeRegistry() {
    for (const char* hive : kHives) {
        Create({hive}, true);
    }
}

const FakeRegistry::Key* FakeRegistry::Find(const std::vector<std::string>& names) const {
    const Key* key = &root_;
    for (const std::string& name : names) {
        const auto found = key->subKeys.find(CaseFoldedKey(name));
        if (found == key->subKeys.end()) {
            return nullptr;
        }
        key = found->second.get();
    }
    return key;
}

FakeRegistry::Key* FakeRegistry::Find(const std::vector<std::string>& names) {
    return const_cast<Key*>(static_cast<const FakeRegistry*>(this)->Find(names));
}

FakeRegistry::Key* FakeRegistry::Create(const std::vector<std::string>& names, bool allowNewHive) {
    Key* key = &root_;
    for (const std::string& name : names) {
        std::unique_ptr<Key>& slot = key->subKeys[CaseFoldedKey(name)];
        if (!slot) {
            if (key == &root_ && !allowNewHive) {
                key->subKeys.erase(CaseFoldedKey(name));
                return nullptr;
            }
            slot = std::make_unique<Key>();
            slot->name = name;
        }
        key = slot.get();
    }
    return key;
}

void FakeRegistry::Store(Key& key, const std::string& name, const RegistryValue& value) {
    auto [slot, inserted] = key.values.try_emplace(CaseFoldedKey(name));
    if (inserted) {
        slot->second.name = name;
        slot->second.order = nextValueOrder_++;
    }
    slot->second.value = value;
}

bool FakeRegistry::KeyExists(const std::string& key) const {
    const auto names = SplitRegistryPath(key);
    return names && Find(*names) != nullptr;
}

bool FakeRegistry::OpenKey(const std::string& key, bool createIfMissing) {
    const auto names = SplitRegistryPath(key);
    if (denied_ || !names) {
        return false;
    }
    if (Find(*names) != nullptr) {
        return true;
    }
    return createIfMissing && Create(*names, false) != nullptr;
}

bool FakeRegistry::ReadValue(const std::string& key, const std::string& name,
                             RegistryValue& value) const {
    const auto names = SplitRegistryPath(key);
    const Key* found = names ? Find(*names) : nullptr;
    if (found == nullptr) {
        return false;
    }
    const auto entry = found->values.find(CaseFoldedKey(name));
    if (entry == found->values.end()) {
        return false;
    }
    value = entry->second.value;
    return true;
}

bool FakeRegistry::WriteValue(const std::string& key, const std::string& name,
                              const RegistryValue& value) {
    const auto names = SplitRegistryPath(key);
    Key* found = (names && !denied_) ? Find(*names) : nullptr;
    if (found == nullptr) {
        return false;
    }
    Store(*found, name, value);
    return true;
}

bool FakeRegistry::DeleteKeyTree(const std::string& key) {
    const auto names = SplitRegistryPath(key);
    // The root and its hives cannot be deleted.
    if (denied_ || !names || names->size() < 2) {
        return false;
    }
    Key* parent = Find(std::vector<std::string>(names->begin(), names->end() - 1));
    return parent != nullptr && parent->subKeys.erase(CaseFoldedKey(names->back())) > 0;
}

bool FakeRegistry::DeleteValue(const std::string& key, const std::string& name) {
    const auto names = SplitRegistryPath(key);
    Key* found = (names && !denied_) ? Find(*names) : nullptr;
    return found != nullptr && found->values.erase(CaseFoldedKey(name)) > 0;
}

bool FakeRegistry::Flush() {
    ++flushCount_;
    return true;
}

bool FakeRegistry::SetValue(const std::string& key, const std::string& name,
                            const RegistryValue& value) {
    const auto names = SplitRegistryPath(key);
    Key* created = names ? Create(*names, true) : nullptr;
    if (created == nullptr) {
        return false;
    }
    Store(*created, name, value);
    return true;
}

bool FakeRegistry::CreateKey(const std::string& key) {
    const auto names = SplitRegistryPath(key);
    return names && Create(*names, true) != nullptr;
}

std::vector<std::string> FakeRegistry::ValueNames(const std::string& key) const {
    std::vector<const Value*> values;
    const auto names = SplitRegistryPath(key);
    if (const Key* found = names ? Find(*names) : nullptr) {
        for (const auto& entry : found->values) {
            values.push_back(&entry.second);
        }
    }
    std::sort(values.begin(), values.end(),
              [](const Value* a, const Value* b) { return a->order < b->order; });
    std::vector<std::string> result;
    for (const Value* value : values) {
        result.push_back(value->name);
    }
    return result;
}

}  // namespace tavrik::platform
