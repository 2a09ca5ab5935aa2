// Tests of the real machine, run under Wine. The program doubles as the
// child process that the process tests start: "--child ..." selects what the
// child does instead of running the tests.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "platform/win32/Win32Api.h"
#include "platform/win32/Win32Machine.h"

namespace {

// Writes the child's current directory and how it was asked to show its
// window into a file, for the test that started it.
int DescribeStart(const char* reportPath) {
    char directory[MAX_PATH];
    ::GetCurrentDirectoryA(sizeof directory, directory);
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    ::GetStartupInfoA(&startup);
    FILE* report = std::fopen(reportPath, "wb");
    if (report == nullptr) {
        return 3;
    }
    std::fprintf(report, "%s\n%s\n", directory,
                 (startup.dwFlags & STARTF_USESHOWWINDOW) != 0 && startup.wShowWindow == SW_HIDE
                     ? "hidden"
                     : "shown");
    std::fclose(report);
    return 0;
}

int RunAsChild(int argc, char** argv) {
    const std::string mode = argc > 2 ? argv[2] : "";
    if (mode == "exit" && argc == 4) {
        return std::atoi(argv[3]);
    }
    if (mode == "sleep" && argc == 4) {
        ::Sleep(static_cast<DWORD>(std::atoi(argv[3])));
        return 0;
    }
    if (mode == "describe" && argc == 4) {
        return DescribeStart(argv[3]);
    }
    return 2;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc > 1 && std::string(argv[1]) == "--child") {
        return RunAsChild(argc, argv);
    }
    tavrik::platform::InstallWin32Machine();
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
