#include <gtest/gtest.h>

#include "config/Registry.h"
#include "platform/fake/FakeMachine.h"
#include "platform/fake/ScopedCurrentMachine.h"
#include "util/FileUtilities.h"

namespace tavrik {
namespace {

using platform::FakeMachine;

class DllTestTest : public ::testing::Test {
protected:
    FakeMachine machine;
    platform::ScopedCurrentMachine installed{machine};

    void SetUp() override {
        machine.AddDrive('E', platform::kDriveCdRom);
        machine.SetCurrentDirectory("E:\\");
        machine.AddDrive('D', platform::kDriveFixed);
        machine.SetRegistryValue(kProductKey, "PathInstall", platform::StringValue("D:"));
    }

    void ListFiles(const std::string& count, const std::vector<std::string>& files) {
        std::string ini = "[DLL_TEST]\r\nNB=" + count + "\r\n";
        for (std::size_t i = 0; i < files.size(); ++i) {
            ini += std::to_string(i + 1) + "=" + files[i] + "\r\n";
        }
        machine.WriteFile("E:\\ap.ini", ini);
    }
    void Install(const std::string& relative, const std::string& bytes) {
        machine.WriteFile("D:" + relative, bytes);
    }
    std::optional<std::string> Content(const std::string& relative) {
        return machine.ReadFile("D:" + relative);
    }
};

TEST_F(DllTestTest, FreeLibrariesAreReplacedByThemselves) {
    ListFiles("2", {"\\APP\\BRENDOL\\EXE\\core.dll", "\\APP\\BRENDOL\\EXE\\ui.dll"});
    Install("\\APP\\BRENDOL\\EXE\\core.dll", "core bytes");
    Install("\\APP\\BRENDOL\\EXE\\ui.dll", "ui bytes");

    EXPECT_EQ(RunDllTest(), DllTestOutcome::Passed);
    EXPECT_EQ(Content("\\APP\\BRENDOL\\EXE\\core.dll"), "core bytes");
    EXPECT_EQ(Content("\\APP\\BRENDOL\\EXE\\ui.dll"), "ui bytes");
    EXPECT_FALSE(machine.FileExists("D:\\APP\\BRENDOL\\EXE\\core.dll.cop"));
    EXPECT_EQ(machine.OpenHandleCount(), 0);
}

TEST_F(DllTestTest, ALockedLibraryFailsLeavesItsCopyAndStopsTheTest) {
    ListFiles("3", {"\\a.dll", "\\locked.dll", "\\c.dll"});
    Install("\\a.dll", "a");
    Install("\\locked.dll", "in use");
    Install("\\c.dll", "c");
    machine.LockFile("D:\\locked.dll");
    machine.LockFile("D:\\c.dll");  // would fail too, but is never reached

    EXPECT_EQ(RunDllTest(), DllTestOutcome::InUse);
    EXPECT_EQ(Content("\\locked.dll"), "in use");
    EXPECT_EQ(Content("\\locked.dll.cop"), "in use");
    EXPECT_FALSE(machine.FileExists("D:\\c.dll.cop"));
    EXPECT_FALSE(machine.FileExists("D:\\a.dll.cop"));
}

TEST_F(DllTestTest, MissingFilesCountAsPassed) {
    ListFiles("2", {"\\gone.dll", "\\here.dll"});
    Install("\\here.dll", "here");
    EXPECT_EQ(RunDllTest(), DllTestOutcome::Passed);
    EXPECT_FALSE(machine.FileExists("D:\\gone.dll"));
}

TEST_F(DllTestTest, AnEmptyZeroOrBrokenCountTestsNothing) {
    Install("\\locked.dll", "in use");
    machine.LockFile("D:\\locked.dll");
    for (const std::string count : {"0", "", "two", "-1"}) {
        ListFiles(count, {"\\locked.dll"});
        EXPECT_EQ(RunDllTest(), DllTestOutcome::Passed) << "NB=" << count;
    }
    machine.RemoveFile("E:\\ap.ini");
    EXPECT_EQ(RunDllTest(), DllTestOutcome::Passed);
    EXPECT_FALSE(machine.FileExists("D:\\locked.dll.cop"));
}

TEST_F(DllTestTest, AHugeCountTestsTheFirstThirtyOnly) {
    std::vector<std::string> files;
    for (int i = 1; i <= 31; ++i) files.push_back("\\lib" + std::to_string(i) + ".dll");
    ListFiles("2147483647", files);
    Install("\\lib30.dll", "tested");
    Install("\\lib31.dll", "in use");
    machine.LockFile("D:\\lib31.dll");
    EXPECT_EQ(RunDllTest(), DllTestOutcome::Passed);  // the locked one lies beyond the bound
    EXPECT_EQ(Content("\\lib30.dll"), "tested");
    EXPECT_FALSE(machine.FileExists("D:\\lib31.dll.cop"));
}

// A tree copied from a CD: the library and a copy a run left behind are
// read-only. The bit is no sign of a program holding the library.
TEST_F(DllTestTest, AReadOnlyLibraryWithAStaleReadOnlyCopyPassesAndLeavesNoCopy) {
    ListFiles("1", {"\\core.dll"});
    Install("\\core.dll", "core");
    Install("\\core.dll.cop", "stale");
    machine.MakeReadOnly("D:\\core.dll");
    machine.MakeReadOnly("D:\\core.dll.cop");

    EXPECT_EQ(RunDllTest(), DllTestOutcome::Passed);
    EXPECT_EQ(Content("\\core.dll"), "core");
    EXPECT_FALSE(machine.FileExists("D:\\core.dll.cop"));
}

// Failures a restart would not cure are told apart from a library in use,
// and the library is kept.
TEST_F(DllTestTest, FailuresOtherThanALibraryInUseAreReportedAsSuch) {
    ListFiles("1", {"\\core.dll"});
    Install("\\core.dll", "core");
    // The stale copy is held by a program: it cannot be removed.
    Install("\\core.dll.cop", "stale");
    machine.LockFile("D:\\core.dll.cop");
    EXPECT_EQ(RunDllTest(), DllTestOutcome::Failed);
    EXPECT_EQ(Content("\\core.dll"), "core");
    machine.UnlockFile("D:\\core.dll.cop");
    machine.RemoveFile("D:\\core.dll.cop");

    // No copy can be written beside the library (here a drive that cannot
    // be written; a full disk or missing rights alike).
    machine.WriteFile("E:\\core.dll", "on the CD");
    machine.SetRegistryValue(kProductKey, "PathInstall", platform::StringValue("E:"));
    EXPECT_EQ(RunDllTest(), DllTestOutcome::Failed);
    EXPECT_EQ(machine.ReadFile("E:\\core.dll"), "on the CD");
}

// The rename back can fail after the library was deleted (an anti-virus
// holding the fresh copy, say); the library must not be lost.
class RenameRefusingMachine : public FakeMachine {
public:
    bool RenameFile(const std::string&, const std::string&) override { return false; }
};

TEST(DllTestRestore, ALibraryWhoseCopyCannotBeRenamedIsPutBack) {
    RenameRefusingMachine machine;
    platform::ScopedCurrentMachine installed{machine};
    machine.AddDrive('E', platform::kDriveCdRom);
    machine.SetCurrentDirectory("E:\\");
    machine.SetRegistryValue(kProductKey, "PathInstall", platform::StringValue("C:"));
    machine.WriteFile("E:\\ap.ini", "[DLL_TEST]\r\nNB=2\r\n1=\\core.dll\r\n2=\\ui.dll\r\n");
    machine.WriteFile("C:\\core.dll", "core bytes");
    machine.WriteFile("C:\\ui.dll", "ui bytes");

    EXPECT_EQ(RunDllTest(), DllTestOutcome::Failed);
    EXPECT_EQ(machine.ReadFile("C:\\core.dll"), "core bytes");
    EXPECT_FALSE(machine.FileExists("C:\\core.dll.cop"));
    EXPECT_FALSE(machine.FileExists("C:\\ui.dll.cop"));  // not reached
}

}  // namespace
}  // namespace tavrik
