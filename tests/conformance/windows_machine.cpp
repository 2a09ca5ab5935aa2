// The conformance cases against the real machine: installs Win32Machine and
// runs every case (conformance.exe, run under Wine by the native build).
#include <gtest/gtest.h>

#include "platform/win32/Win32Machine.h"

int main(int argc, char** argv) {
    tavrik::platform::InstallWin32Machine();
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
