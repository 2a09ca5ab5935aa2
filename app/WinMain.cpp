// The Windows entry point: the real machine, the real windows, then the
// portable program. The portable headers come first: <windows.h> defines
// macros (ANSI_CHARSET ...) that would rename their members.
#include "app/ProgramEntry.h"
#include "platform/win32/Win32Machine.h"
#include "vcl/win32/Win32Host.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE /*previous*/, LPSTR commandLine, int /*show*/) {
    tavrik::platform::InstallWin32Machine();
    tavrik::vcl::win32::Win32Host host(instance);
    tavrik::vcl::SetCurrentHost(&host);
    const int code = tavrik::RunWizard(commandLine != nullptr ? commandLine : "");
    tavrik::vcl::SetCurrentHost(nullptr);
    return code;
}
