#include <gtest/gtest.h>

#include <string>

#include "TestFolder.h"
#include "platform/win32/Win32Api.h"

namespace tavrik::platform {
namespace {

class SystemTest : public testing::Test {
protected:
    Machine& machine = CurrentMachine();
};

TEST_F(SystemTest, DriveListIsWholeAndTyped) {
    const std::string drives = machine.LogicalDriveStrings();
    ASSERT_GE(drives.size(), 5u);
    EXPECT_EQ(std::string("\0\0", 2), drives.substr(drives.size() - 2));
    EXPECT_EQ(0u, drives.find("C:\\"));  // the list is in letter order, A and B absent here
    for (std::size_t at = 0; drives[at] != '\0'; at += 4) {
        EXPECT_EQ(":\\", drives.substr(at + 1, 2)) << "at " << at;
        EXPECT_EQ('\0', drives[at + 3]);
    }
    EXPECT_EQ(kDriveFixed, machine.DriveType("C:\\"));
    EXPECT_EQ(kDriveNoRootDir, machine.DriveType("Q:\\"));
}

TEST_F(SystemTest, VersionRecordsOfBothSizes) {
    OsVersion extended;
    extended.recordSize = kOsVersionExSize;
    ASSERT_TRUE(machine.GetVersion(extended));
    OsVersion basic;
    basic.recordSize = kOsVersionSize;
    ASSERT_TRUE(machine.GetVersion(basic));
    EXPECT_EQ(extended.major, basic.major);
    EXPECT_EQ(extended.minor, basic.minor);
    EXPECT_EQ(extended.servicePack, basic.servicePack);
    EXPECT_EQ(2u, extended.platformId);

    for (std::uint32_t size : {0u, 100u, 157u, 4096u}) {
        OsVersion refused;
        refused.recordSize = size;
        EXPECT_FALSE(machine.GetVersion(refused)) << size;
    }
}

TEST_F(SystemTest, LocaleMetricsErrorModeAndPower) {
    const std::string language = machine.SystemDefaultLanguageName();
    EXPECT_TRUE(language.size() == 2 || language.size() == 3) << language;
    EXPECT_GT(machine.SystemMetric(kSmCxFullScreen), 0);
    EXPECT_GT(machine.SystemMetric(kSmCyFullScreen), 0);

    const unsigned before = machine.SetErrorMode(kSemFailCriticalErrors);
    EXPECT_EQ(kSemFailCriticalErrors, machine.SetErrorMode(before) & kSemFailCriticalErrors);

    PowerStatus power;
    EXPECT_TRUE(machine.GetPowerStatus(power));
}

// Reads a saved link back through the shell's own interface.
ShellLink LoadShellLink(const std::string& path) {
    ShellLink loaded;
    ::CoInitialize(nullptr);
    IShellLinkA* link = nullptr;
    if (SUCCEEDED(::CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER,
                                     IID_IShellLinkA, reinterpret_cast<void**>(&link)))) {
        IPersistFile* file = nullptr;
        std::wstring widePath(path.begin(), path.end());
        if (SUCCEEDED(link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file))) &&
            SUCCEEDED(file->Load(widePath.c_str(), STGM_READ))) {
            char text[MAX_PATH] = {};
            link->GetPath(text, MAX_PATH, nullptr, 0);
            loaded.targetPath = text;
            link->GetDescription(text, MAX_PATH);
            loaded.description = text;
            link->GetWorkingDirectory(text, MAX_PATH);
            loaded.workingDirectory = text;
            link->GetArguments(text, MAX_PATH);
            loaded.arguments = text;
        }
        if (file != nullptr) {
            file->Release();
        }
        link->Release();
    }
    ::CoUninitialize();
    return loaded;
}

TEST_F(SystemTest, ShellLinkIsSavedWithItsFields) {
    TestFolder folder;
    folder.Write("tavrik.exe", "");
    ShellLink link;
    link.linkPath = folder / "Tavrik.lnk";
    link.targetPath = folder / "tavrik.exe";
    link.description = "Tavrik";
    link.workingDirectory = folder.path() + "\\";
    link.arguments = "-reboot";
    ASSERT_TRUE(machine.CreateShellLink(link));
    ASSERT_TRUE(machine.FileExists(link.linkPath));

    const ShellLink loaded = LoadShellLink(link.linkPath);
    EXPECT_EQ(link.targetPath, loaded.targetPath);
    EXPECT_EQ(link.description, loaded.description);
    EXPECT_EQ(link.workingDirectory, loaded.workingDirectory);
    EXPECT_EQ(link.arguments, loaded.arguments);

    link.linkPath = folder / "missing\\Tavrik.lnk";
    EXPECT_FALSE(machine.CreateShellLink(link));
}

TEST_F(SystemTest, ShutdownPrivilegeCanBeEnabled) {
    EXPECT_TRUE(machine.EnableShutdownPrivilege());
}

}  // namespace
}  // namespace tavrik::platform
