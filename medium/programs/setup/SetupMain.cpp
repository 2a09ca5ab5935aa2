// setup.exe of the demo medium: installs or removes the demo application in
// the way the wizard relies on (SetupRun.h), without a window.
#include <windows.h>

#include "SetupRun.h"
#include "Win32SetupHost.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    tavrik::setup::Win32SetupHost host;
    return tavrik::setup::RunSetupProgram(GetCommandLineA(), host);
}
