#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "TestFolder.h"
#include "platform/win32/Win32Api.h"

namespace tavrik::platform {
namespace {

class SystemTest : public testing::Test {
protected:
    Machine& machine = CurrentMachine();
};

TEST_F(SystemTest, ScreenAndPower) {
    const ScreenSize screen = machine.FullScreenSize();
    EXPECT_GT(screen.width, 0);
    EXPECT_GT(screen.height, 0);

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
    ShellLink readBack;
    readBack.linkPath = link.linkPath;
    ASSERT_TRUE(machine.ReadShellLink(readBack));
    EXPECT_EQ(loaded.targetPath, readBack.targetPath);
    EXPECT_EQ(loaded.description, readBack.description);
    EXPECT_EQ(loaded.workingDirectory, readBack.workingDirectory);
    EXPECT_EQ(loaded.arguments, readBack.arguments);

    // Not a link, and no file at all.
    readBack.linkPath = folder / "tavrik.exe";
    EXPECT_FALSE(machine.ReadShellLink(readBack));
    readBack.linkPath = folder / "none.lnk";
    EXPECT_FALSE(machine.ReadShellLink(readBack));

    link.linkPath = folder / "missing\\Tavrik.lnk";
    EXPECT_FALSE(machine.CreateShellLink(link));
}

TEST_F(SystemTest, TopLevelWindowTitlesAreListedCut) {
    const std::string title = "Tavrik machine test " + std::string(1100, 't');
    const HWND window = ::CreateWindowExA(0, "STATIC", title.c_str(), WS_OVERLAPPED, 0, 0, 10, 10,
                                          nullptr, nullptr, nullptr, nullptr);
    ASSERT_NE(nullptr, window);
    const std::vector<std::string> titles = machine.TopLevelWindowTitles();
    ::DestroyWindow(window);
    EXPECT_NE(titles.end(), std::find(titles.begin(), titles.end(), title.substr(0, 1023)));
    for (const std::string& each : titles) {
        EXPECT_LE(each.size(), 1023u);
    }
}

}  // namespace
}  // namespace tavrik::platform
