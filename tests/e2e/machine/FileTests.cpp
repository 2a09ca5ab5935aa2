#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "TestFolder.h"
#include "platform/win32/Win32Api.h"

namespace tavrik::platform {
namespace {

class FileTest : public testing::Test {
protected:
    Machine& machine = CurrentMachine();
    TestFolder folder;
};

TEST_F(FileTest, IniValuesOfAnyLengthReadWhole) {
    const std::string boundary(255, 'b');  // exactly fills the first buffer
    const std::string longValue(5000, 'l');
    folder.Write("app.ini", "[INSTALL]\r\nBoundary=" + boundary + "\r\nLong=" + longValue +
                                "\r\nName = Tavrik \r\n");
    const std::string ini = folder / "app.ini";
    EXPECT_EQ(boundary, machine.ReadIniString(ini, "INSTALL", "Boundary", ""));
    EXPECT_EQ(longValue, machine.ReadIniString(ini, "install", "LONG", ""));
    EXPECT_EQ("Tavrik", machine.ReadIniString(ini, "INSTALL", "Name", ""));
    EXPECT_EQ("default", machine.ReadIniString(ini, "INSTALL", "Missing", "default"));
    EXPECT_EQ("default", machine.ReadIniString(folder / "none.ini", "A", "B", "default"));
    EXPECT_EQ(longValue, machine.ReadIniString(folder / "none.ini", "A", "B", longValue));
}

TEST_F(FileTest, RawHandlesWriteSeekAndRead) {
    const std::string path = folder / "raw.bin";
    EXPECT_EQ(kNoHandle, machine.OpenFile(path, FileAccess::Write, FileCreation::OpenExisting));

    Handle file = machine.OpenFile(path, FileAccess::Write, FileCreation::CreateAlways);
    ASSERT_NE(kNoHandle, file);
    EXPECT_EQ(3, machine.WriteFile(file, "abc", 3));
    EXPECT_EQ(0, machine.SeekFile(file, 0, SeekOrigin::Begin));
    EXPECT_EQ(3, machine.SeekFile(file, 0, SeekOrigin::End));
    EXPECT_EQ(2, machine.WriteFile(file, "de", 2));
    EXPECT_TRUE(machine.CloseFile(file));

    file = machine.OpenFile(path, FileAccess::Read, FileCreation::OpenExisting);
    ASSERT_NE(kNoHandle, file);
    char bytes[16] = {};
    EXPECT_EQ(1, machine.SeekFile(file, 1, SeekOrigin::Begin));
    EXPECT_EQ(4, machine.ReadFile(file, bytes, sizeof bytes));
    EXPECT_EQ("bcde", std::string(bytes, 4));
    EXPECT_EQ(0, machine.ReadFile(file, bytes, sizeof bytes));
    EXPECT_EQ(-1, machine.SeekFile(file, -10, SeekOrigin::Begin));
    EXPECT_TRUE(machine.CloseFile(file));
}

TEST_F(FileTest, NoHandleFailsWithoutEffect) {
    char byte = 0;
    EXPECT_EQ(-1, machine.SeekFile(kNoHandle, 0, SeekOrigin::End));
    EXPECT_EQ(-1, machine.WriteFile(kNoHandle, "x", 1));
    EXPECT_EQ(-1, machine.ReadFile(kNoHandle, &byte, 1));
    EXPECT_FALSE(machine.CloseFile(kNoHandle));
}

TEST_F(FileTest, AnOpenWriterLetsOthersReadAndWrite) {
    const std::string path = folder / "TraceTavrik.log";
    folder.Write("TraceTavrik.log", "first\r\n");
    const Handle writer = machine.OpenFile(path, FileAccess::Write, FileCreation::OpenExisting);
    ASSERT_NE(kNoHandle, writer);
    EXPECT_EQ("first\r\n", folder.Read("TraceTavrik.log"));
    const Handle second = machine.OpenFile(path, FileAccess::Write, FileCreation::OpenExisting);
    EXPECT_NE(kNoHandle, second);
    machine.CloseFile(second);
    machine.CloseFile(writer);
}

TEST_F(FileTest, ListingFollowsThePattern) {
    folder.Write("a.txt", "a");
    folder.Write("b.bmp", "b");
    ASSERT_TRUE(machine.CreateDirectory(folder / "sub"));

    std::vector<DirectoryEntry> entries;
    ASSERT_TRUE(machine.ListDirectory(folder / "*.bmp", entries));
    ASSERT_EQ(1u, entries.size());
    EXPECT_EQ("b.bmp", entries[0].name);
    EXPECT_FALSE(entries[0].IsDirectory());

    ASSERT_TRUE(machine.ListDirectory(folder / "*.*", entries));
    std::vector<std::string> names;
    for (const auto& entry : entries) {
        names.push_back(entry.name + (entry.IsDirectory() ? "/" : ""));
    }
    std::sort(names.begin(), names.end());
    EXPECT_EQ((std::vector<std::string>{"../", "./", "a.txt", "b.bmp", "sub/"}), names);

    EXPECT_FALSE(machine.ListDirectory(folder / "*.none", entries));
    EXPECT_TRUE(entries.empty());
    EXPECT_FALSE(machine.ListDirectory(folder / "missing\\*.*", entries));
}

TEST_F(FileTest, CopyRenameDeleteRespectExistingFiles) {
    folder.Write("one", "1");
    folder.Write("two", "2");
    EXPECT_FALSE(machine.CopyFile(folder / "one", folder / "two", true));
    EXPECT_EQ("2", folder.Read("two"));
    EXPECT_TRUE(machine.CopyFile(folder / "one", folder / "two", false));
    EXPECT_EQ("1", folder.Read("two"));
    EXPECT_FALSE(machine.RenameFile(folder / "one", folder / "two"));
    EXPECT_TRUE(machine.RenameFile(folder / "one", folder / "three"));
    EXPECT_EQ("<missing>", folder.Read("one"));
    EXPECT_TRUE(machine.DeleteFile(folder / "three"));
    EXPECT_FALSE(machine.DeleteFile(folder / "three"));
    EXPECT_FALSE(machine.CreateDirectory(folder / "no\\parent"));
}

TEST_F(FileTest, CurrentDirectoryOfAnyLength) {
    char saved[MAX_PATH];
    ::GetCurrentDirectoryA(sizeof saved, saved);

    // Far beyond the 100 characters a fixed buffer once allowed, within the
    // system's own limit for folders.
    std::string deep = folder.path();
    while (deep.size() + 27 < 248) {
        deep += "\\abcdefghijklmnopqrstuvwxyz";
        ASSERT_TRUE(machine.CreateDirectory(deep));
    }
    ASSERT_TRUE(::SetCurrentDirectoryA(deep.c_str()));
    EXPECT_EQ(deep, machine.CurrentDirectory());
    ASSERT_TRUE(::SetCurrentDirectoryA("C:\\"));
    EXPECT_EQ("C:\\", machine.CurrentDirectory());
    ::SetCurrentDirectoryA(saved);
}

TEST_F(FileTest, EnvironmentVariablesOfAnyLength) {
    const std::string large(20000, 'v');
    ASSERT_TRUE(::SetEnvironmentVariableA("TAVRIK_LARGE", large.c_str()));
    std::string value = "stale";
    EXPECT_TRUE(machine.GetEnvironmentVariable("TAVRIK_LARGE", value));
    EXPECT_EQ(large, value);

    ASSERT_TRUE(::SetEnvironmentVariableA("TAVRIK_EMPTY", ""));
    EXPECT_TRUE(machine.GetEnvironmentVariable("TAVRIK_EMPTY", value));
    EXPECT_EQ("", value);

    ::SetEnvironmentVariableA("TAVRIK_UNSET", nullptr);
    EXPECT_FALSE(machine.GetEnvironmentVariable("TAVRIK_UNSET", value));
}

}  // namespace
}  // namespace tavrik::platform
