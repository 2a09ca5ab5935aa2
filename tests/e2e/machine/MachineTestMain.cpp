// Tests of the real machine that the fake machine cannot share (see
// tests/conformance/README.md), run under Wine.
#include <gtest/gtest.h>

#include "platform/win32/Win32Machine.h"

int main(int argc, char** argv) {
    tavrik::platform::InstallWin32Machine();
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
