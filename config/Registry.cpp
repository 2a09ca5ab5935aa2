#include "config/Registry.h"

#include "platform/Machine.h"

namespace tavrik {

using platform::CurrentMachine;

const char* const kProductKey = "SOFTWARE\\NORVA\\BRENDOL_PC";
const char* const kMakerKey = "SOFTWARE\\NORVA";
const char* const kZeliaMarkerKey = "SOFTWARE\\VORP";
const char* const kRunOnceKey = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\RunOnce";

bool RegKeyExists(const std::string& key) { return CurrentMachine().RegistryKeyExists(key); }

void ReadRegString(std::string& result, const std::string& key, const std::string& valueName) {
    result.clear();
    auto& machine = CurrentMachine();
    // Opening creates a missing key. Without administrator rights the open
    // fails, yet existing values can still be read: a technician's account
    // then still sees the machine's settings.
    machine.RegistryOpenKey(key, true);
    platform::RegistryValue value;
    if (!machine.RegistryReadValue(key, valueName, value)) {
        return;
    }
    // A value of another type is not an error for the wizard: it reads as
    // missing rather than stopping the page that asked for it.
    if (value.type == platform::kRegSz || value.type == platform::kRegExpandSz) {
        result = value.data;
    }
}

bool WriteRegString(const std::string& key, const std::string& valueName, const std::string& text) {
    auto& machine = CurrentMachine();
    const bool written =
        machine.RegistryOpenKey(key, true) && machine.RegistryWriteString(key, valueName, text);
    machine.RegistryFlush();
    return written;
}

bool WriteRegStringKept(const std::string& key, const std::string& valueName,
                        const std::string& text) {
    if (!WriteRegString(key, valueName, text)) return false;
    std::string kept;
    ReadRegString(kept, key, valueName);
    return kept == text;
}

bool DeleteRegKey(const std::string& key) {
    auto& machine = CurrentMachine();
    const bool deleted = machine.RegistryDeleteKeyTree(key) || !machine.RegistryKeyExists(key);
    machine.RegistryFlush();
    return deleted;
}

bool DeleteRegValue(const std::string& key, const std::string& valueName) {
    auto& machine = CurrentMachine();
    if (machine.RegistryOpenKey(key, true)) {
        machine.RegistryDeleteValue(key, valueName);
    }
    platform::RegistryValue left;
    const bool gone = !machine.RegistryReadValue(key, valueName, left);
    machine.RegistryFlush();
    return gone;
}

}  // namespace tavrik
