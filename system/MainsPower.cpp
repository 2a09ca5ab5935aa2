#include "system/MainsPower.h"

#include "platform/Machine.h"

namespace tavrik {

bool IsOnMainsPower() {
    platform::PowerStatus status;
    if (!platform::CurrentMachine().GetPowerStatus(status)) {
        return false;
    }
    return status.acLineStatus == 1;
}

}  // namespace tavrik
