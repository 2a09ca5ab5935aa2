#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "platform/fake/FakeMachine.h"

namespace tavrik::platform {
namespace {

namespace fs = std::filesystem;

std::vector<std::string> Names(FakeMachine& machine, const std::string& pattern) {
    std::vector<DirectoryEntry> entries;
    machine.ListDirectory(pattern, entries);
    std::vector<std::string> names;
    for (const DirectoryEntry& entry : entries) {
        names.push_back(entry.name);
    }
    return names;
}

std::string HostBytes(const fs::path& host) {
    std::ifstream in(host, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

TEST(FakeFileSystem, ResolvesNamesWithoutCaseOntoRealHostFiles) {
    FakeMachine machine;
    machine.WriteFile("C:\\Medium\\Setup.INI", "bytes");
    const fs::path host = machine.HostPath("c:/MEDIUM/setup.ini");
    EXPECT_EQ(host.filename(), "Setup.INI");
    EXPECT_EQ(host.parent_path().filename(), "Medium");
    EXPECT_EQ(HostBytes(host), "bytes");
}

TEST(FakeFileSystem, RelativePathsFollowTheCurrentDirectory) {
    FakeMachine machine;
    machine.AddDrive('E', kDriveCdRom);
    machine.WriteFile("E:\\tavrik.ini", "");
    machine.WriteFile("E:\\APP\\x", "");
    machine.AddDirectory("E:\\BRENDOL\\DICO");
    machine.SetCurrentDirectory("e:\\");
    EXPECT_EQ(machine.CurrentDirectory(), "E:\\");
    machine.SetCurrentDirectory("BRENDOL\\DICO\\");
    EXPECT_EQ(machine.CurrentDirectory(), "E:\\BRENDOL\\DICO");
    EXPECT_TRUE(machine.FileExists("\\APP\\x"));
    EXPECT_THROW(machine.SetCurrentDirectory("E:\\tavrik.ini"), FakeSetupError);
}

TEST(FakeFileSystem, ListingComesInNtfsOrderWithDotEntriesFirst) {
    FakeMachine machine;
    for (const char* name : {"b.txt", "_x.txt", "A.txt", "c\\inner", "Sub.d\\inner"}) {
        machine.WriteFile(std::string("C:\\dir\\") + name, "");
    }
    machine.SetFileAttributes("C:\\dir\\b.txt", kAttrHidden | kAttrSystem);
    EXPECT_EQ(Names(machine, "C:\\dir\\*.*"),
              (std::vector<std::string>{".", "..", "A.txt", "b.txt", "c", "Sub.d", "_x.txt"}));
    EXPECT_EQ(Names(machine, "C:\\DIR\\*.TXT"),
              (std::vector<std::string>{"A.txt", "b.txt", "_x.txt"}));
    EXPECT_EQ(Names(machine, "C:\\*"), std::vector<std::string>{"dir"});  // a root has no dots

    std::vector<DirectoryEntry> entries;
    ASSERT_TRUE(machine.ListDirectory("C:\\dir\\*", entries));
    EXPECT_EQ(entries[0].attributes, kAttrDirectory);
    EXPECT_EQ(entries[3].attributes, kAttrArchive | kAttrHidden | kAttrSystem);  // b.txt
    EXPECT_TRUE(entries[4].IsDirectory());                                       // c
    EXPECT_FALSE(machine.ListDirectory("C:\\dir\\", entries));
}

TEST(FakeFileSystem, LockedFileIsCopiedButNeitherDeletedRenamedNorWritten) {
    FakeMachine machine;
    machine.WriteFile("C:\\APP\\lib.dll", "code");
    machine.LockFile("c:\\app\\LIB.DLL");
    // The library replacement test: copy, delete, rename back.
    EXPECT_TRUE(machine.CopyFileTo("C:\\APP\\lib.dll", "C:\\APP\\lib.dll.cop", false));
    EXPECT_FALSE(machine.RemoveFile("C:\\APP\\lib.dll"));
    EXPECT_FALSE(machine.RenameFile("C:\\APP\\lib.dll", "C:\\APP\\old.dll"));
    EXPECT_FALSE(machine.CopyFileTo("C:\\APP\\lib.dll.cop", "C:\\APP\\lib.dll", false));
    EXPECT_EQ(machine.OpenFile("C:\\APP\\lib.dll", FileAccess::Write, FileCreation::OpenExisting),
              kNoHandle);
    EXPECT_EQ(machine.ReadFile("C:\\APP\\lib.dll"), "code");
    EXPECT_EQ(machine.ReadFile("C:\\APP\\lib.dll.cop"), "code");
    EXPECT_FALSE(machine.RenameFile("C:\\APP", "C:\\APP2"));  // a folder holding it neither

    machine.UnlockFile("C:\\APP\\lib.dll");
    EXPECT_TRUE(machine.RemoveFile("C:\\APP\\lib.dll"));
    EXPECT_TRUE(machine.RenameFile("C:\\APP\\lib.dll.cop", "C:\\APP\\lib.dll"));
}

// Outside the machine contract: Wine running as root writes over read-only
// files.
TEST(FakeFileSystem, ReadOnlyFilesCannotBeWrittenOverAndCopiesStayReadOnly) {
    FakeMachine machine;
    machine.WriteFile("C:\\ro.txt", "keep");
    machine.WriteFile("C:\\other.txt", "new");
    machine.MakeReadOnly("C:\\ro.txt");
    EXPECT_FALSE(machine.CopyFileTo("C:\\other.txt", "C:\\ro.txt", false));
    EXPECT_EQ(machine.OpenFile("C:\\ro.txt", FileAccess::ReadWrite, FileCreation::OpenExisting),
              kNoHandle);
    EXPECT_EQ(machine.ReadFile("C:\\ro.txt"), "keep");

    EXPECT_TRUE(machine.CopyFileTo("C:\\ro.txt", "C:\\copy.txt", false));
    EXPECT_EQ(machine.FileAttributes("C:\\copy.txt"), kAttrArchive | kAttrReadOnly);
    EXPECT_TRUE(machine.RenameFile("C:\\ro.txt", "C:\\moved.txt"));
    EXPECT_EQ(machine.FileAttributes("C:\\moved.txt"), kAttrArchive | kAttrReadOnly);
}

// Outside the machine contract: Wine copies over a hidden file.
TEST(FakeFileSystem, CopyingOverAHiddenFileIsRefused) {
    FakeMachine machine;
    machine.WriteFile("C:\\a.txt", "original");
    machine.WriteFile("C:\\b.txt", "other");
    machine.SetFileAttributes("C:\\b.txt", kAttrHidden);
    EXPECT_FALSE(machine.CopyFileTo("C:\\a.txt", "C:\\b.txt", false));  // hidden target
    EXPECT_EQ(machine.ReadFile("C:\\b.txt"), "other");
}

TEST(FakeFileSystem, RenameRules) {
    FakeMachine machine;
    machine.AddDrive('D', kDriveFixed);
    machine.WriteFile("C:\\work\\file.txt", "1");
    machine.WriteFile("C:\\work\\taken.txt", "2");
    machine.AddDirectory("C:\\tree\\inner");

    // Outside the machine contract: Wine keeps the old spelling.
    EXPECT_TRUE(machine.RenameFile("C:\\work\\file.txt", "C:\\work\\FILE.TXT"));  // case only
    EXPECT_EQ(Names(machine, "C:\\work\\f*"), std::vector<std::string>{"FILE.TXT"});
    EXPECT_TRUE(machine.RenameFile("C:\\work\\FILE.TXT", "D:\\file.txt"));  // files cross drives
    EXPECT_FALSE(machine.RenameFile("C:\\tree", "D:\\tree"));               // folders do not

    machine.SetCurrentDirectory("C:\\tree\\inner");
    EXPECT_FALSE(machine.RenameFile("C:\\tree", "C:\\forest"));  // holds the current directory
    machine.SetCurrentDirectory("C:\\");
    EXPECT_TRUE(machine.RenameFile("C:\\tree", "C:\\forest"));
    EXPECT_TRUE(machine.DirectoryExists("C:\\forest\\inner"));
}

TEST(FakeFileSystem, CdRomIsReadOnlyAndAnEmptyDriveUnreachable) {
    FakeMachine machine;
    machine.AddDrive('E', kDriveCdRom);
    machine.WriteFile("E:\\setup.exe", "MZ");
    EXPECT_FALSE(machine.RemoveFile("E:\\setup.exe"));
    EXPECT_FALSE(machine.MakeDirectory("E:\\new"));
    EXPECT_FALSE(machine.CopyFileTo("E:\\setup.exe", "E:\\copy.exe", false));
    EXPECT_TRUE(machine.CopyFileTo("E:\\setup.exe", "C:\\setup.exe", false));

    machine.SetMediaPresent('E', false);
    EXPECT_FALSE(machine.FileExists("E:\\setup.exe"));
    EXPECT_FALSE(machine.DirectoryExists("E:\\"));
    machine.SetMediaPresent('e', true);
    EXPECT_TRUE(machine.FileExists("E:\\setup.exe"));
}

// A fixed drive without its medium is still a fixed drive.
TEST(FakeFileSystem, FixedDrivesAreListedInLetterOrder) {
    FakeMachine machine;
    machine.AddDrive('e', kDriveCdRom);
    machine.AddDrive('A', kDriveRemovable);
    machine.AddDrive('d', kDriveFixed);
    machine.SetMediaPresent('D', false);
    EXPECT_EQ(machine.FixedDrives(), (std::vector<std::string>{"C:\\", "D:\\"}));
    machine.AddDrive('D', kDriveRemote);
    EXPECT_EQ(machine.FixedDrives(), (std::vector<std::string>{"C:\\"}));
    EXPECT_THROW(machine.AddDrive('1', kDriveFixed), FakeSetupError);
}

TEST(FakeFileSystem, TheTemporaryFolderGoesAwayWithTheMachine) {
    fs::path host;
    {
        FakeMachine machine;
        machine.WriteFile("C:\\x\\y.txt", "z");
        host = machine.HostPath("C:\\x\\y.txt");
        ASSERT_TRUE(fs::exists(host));
    }
    EXPECT_FALSE(fs::exists(host.parent_path().parent_path()));
}

}  // namespace
}  // namespace tavrik::platform
