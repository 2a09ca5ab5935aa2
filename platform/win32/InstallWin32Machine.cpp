#include "platform/win32/Win32Machine.h"

namespace tavrik::platform {

void InstallWin32Machine() {
    // Lives until the process ends: the wizard's code may use the machine
    // up to its last statement.
    static Win32Machine machine;
    SetCurrentMachine(&machine);
}

}  // namespace tavrik::platform
