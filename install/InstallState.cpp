#include "install/InstallState.h"

#include "config/Registry.h"
#include "platform/Machine.h"

namespace tavrik {

const char* const kInstallStateNotRecorded =
    "Install non enregistre : droits administrateur necessaires";

bool RecordInstallState(const std::string& value) {
    return WriteRegStringKept(kProductKey, "Install", value);
}

bool InstallStateReadsSuccess() {
    platform::RegistryValue value;
    if (!platform::CurrentMachine().RegistryReadValue(kProductKey, "Install", value)) {
        return true;
    }
    const bool isString = value.type == platform::kRegSz || value.type == platform::kRegExpandSz;
    return isString && (value.data == "0" || value.data.empty());
}

}  // namespace tavrik
