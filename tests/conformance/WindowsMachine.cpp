// The conformance cases against the real machine: installs Win32Machine and
// runs every case (conformance.exe, run under Wine by the native build). The
// program doubles as the child of the process cases: "--child ..." selects
// what the child does instead of running the cases.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <memory>

#include "ConformanceSupport.h"
#include "TestFolder.h"
#include "platform/win32/Win32Api.h"
#include "platform/win32/Win32Machine.h"

namespace tavrik::conformance {
namespace {

// Writes the child's current directory and how it was asked to show its
// window into a file, for the case that started it.
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

class WindowsSetup : public MachineSetup {
public:
    WindowsSetup() { ::GetCurrentDirectoryA(sizeof startDirectory_, startDirectory_); }

    std::string FreshFolder() override {
        folder_ = std::make_unique<platform::TestFolder>();
        return folder_->path();
    }
    void RemoveFolder(const std::string&) override {
        // The folder cannot go while it holds the current directory.
        ::SetCurrentDirectoryA(startDirectory_);
        folder_.reset();
    }
    void SetAttributes(const std::string& path, std::uint32_t attributes) override {
        ::SetFileAttributesA(path.c_str(), attributes == 0 ? FILE_ATTRIBUTE_NORMAL : attributes);
    }
    void ChangeDirectory(const std::string& path) override {
        ASSERT_TRUE(::SetCurrentDirectoryA(path.c_str())) << path;
    }
    void SetEnvironment(const std::string& name, const std::optional<std::string>& value) override {
        ::SetEnvironmentVariableA(name.c_str(), value ? value->c_str() : nullptr);
    }
    void SetRegistryValue(const std::string& key, const std::string& name,
                          const platform::RegistryValue& value) override {
        HKEY opened = nullptr;
        ASSERT_EQ(ERROR_SUCCESS, ::RegCreateKeyExA(HKEY_LOCAL_MACHINE, key.c_str(), 0, nullptr, 0,
                                                   KEY_SET_VALUE, nullptr, &opened, nullptr));
        EXPECT_EQ(ERROR_SUCCESS, ::RegSetValueExA(opened, name.c_str(), 0, value.type,
                                                  reinterpret_cast<const BYTE*>(value.data.data()),
                                                  static_cast<DWORD>(value.data.size())));
        ::RegCloseKey(opened);
    }
    std::string ChildProgram() override {
        char self[MAX_PATH];
        ::GetModuleFileNameA(nullptr, self, sizeof self);
        return self;
    }
    void PrepareChild(const std::string&, const std::string&) override {}
    void EndChild(const platform::ProcessInfo& child, std::uint32_t exitCode) override {
        ::TerminateProcess(platform::win32::ToHandle(child.process), exitCode);
    }

private:
    char startDirectory_[MAX_PATH] = {};
    std::unique_ptr<platform::TestFolder> folder_;
};

}  // namespace
}  // namespace tavrik::conformance

int main(int argc, char** argv) {
    if (argc > 1 && std::string(argv[1]) == "--child") {
        return tavrik::conformance::RunAsChild(argc, argv);
    }
    tavrik::platform::InstallWin32Machine();
    tavrik::conformance::WindowsSetup setup;
    tavrik::conformance::SetCurrentSetup(&setup);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
