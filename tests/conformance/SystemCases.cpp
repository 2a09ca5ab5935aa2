// Drives, the system version, the locale and shell links.
#include "ConformanceSupport.h"

namespace tavrik::conformance {
namespace {

using namespace platform;

TEST(SystemCases, TheDriveListIsWholeInLetterOrderAndTyped) {
    Machine& machine = CurrentMachine();
    const std::string drives = machine.LogicalDriveStrings();
    ASSERT_GE(drives.size(), 5u);
    EXPECT_EQ(std::string("\0\0", 2), drives.substr(drives.size() - 2));
    EXPECT_EQ(0u, drives.find("C:\\"));  // A and B absent on both machines
    char previous = 'A';
    for (std::size_t at = 0; at + 1 < drives.size(); at += 4) {
        EXPECT_GT(drives[at], previous) << "at " << at;
        previous = drives[at];
        EXPECT_EQ(":\\", drives.substr(at + 1, 2)) << "at " << at;
        EXPECT_EQ('\0', drives[at + 3]);
    }
    EXPECT_EQ(kDriveFixed, machine.DriveType("C:\\"));
    EXPECT_EQ(kDriveFixed, machine.DriveType("c:\\"));
    EXPECT_EQ(kDriveNoRootDir, machine.DriveType("Q:\\"));
}

TEST(SystemCases, VersionRecordsOfBothSizesAndNoOther) {
    Machine& machine = CurrentMachine();
    OsVersion extended;
    extended.recordSize = kOsVersionExSize;
    ASSERT_TRUE(machine.GetVersion(extended));
    EXPECT_EQ(extended.recordSize, kOsVersionExSize);
    OsVersion basic;
    basic.recordSize = kOsVersionSize;
    ASSERT_TRUE(machine.GetVersion(basic));
    EXPECT_EQ(extended.major, basic.major);
    EXPECT_EQ(extended.minor, basic.minor);
    EXPECT_EQ(extended.servicePack, basic.servicePack);
    EXPECT_EQ(2u, extended.platformId);  // the NT family
    EXPECT_GE(extended.major, 5u);

    for (std::uint32_t size : {0u, 12u, 100u, 157u, 4096u}) {
        OsVersion refused;
        refused.recordSize = size;
        EXPECT_FALSE(machine.GetVersion(refused)) << size;
    }
}

// Where system programs and the program's own library are taken from: full
// paths without a trailing backslash, the system's library in the one and
// the running program in the other.
TEST(SystemCases, TheSystemAndProgramFoldersAreFullPaths) {
    Machine& machine = CurrentMachine();
    const std::string program = CurrentSetup().ChildProgram();  // this program on Windows
    for (const std::string& folder : {machine.SystemDirectory(), machine.ProgramDirectory()}) {
        ASSERT_GE(folder.size(), 2u) << folder;
        EXPECT_EQ(folder[1], ':') << folder;
        EXPECT_NE(folder.back(), '\\') << folder;
    }
    EXPECT_TRUE(machine.FileExists(machine.SystemDirectory() + "\\kernel32.dll"));
    EXPECT_TRUE(machine.FileExists(program));
    EXPECT_EQ(machine.ProgramDirectory(), program.substr(0, program.find_last_of('\\')));
}

TEST(SystemCases, TheLocaleIsNamedByItsLanguage) {
    const std::string language = CurrentMachine().SystemDefaultLanguageName();
    EXPECT_TRUE(language.size() == 2 || language.size() == 3) << language;
    for (const char letter : language) {
        EXPECT_TRUE(letter >= 'a' && letter <= 'z') << language;
    }
}

class ShellLinkCases : public MachineCase {};

// The restart page trusts a shortcut only once read back: what is read must
// be what was written, and anything else must not read as a link.
TEST_F(ShellLinkCases, ALinkReadsBackAsWrittenAndNothingElseReadsAsOne) {
    ASSERT_TRUE(WriteWholeFile(At("tavrik.exe"), "MZ"));
    const ShellLink link{At("Tavrik.lnk"), At("tavrik.exe"), "Tavrik", Folder() + "\\", "-reboot"};
    ASSERT_TRUE(machine.CreateShellLink(link));
    ShellLink read{link.linkPath, "", "", "", ""};
    ASSERT_TRUE(machine.ReadShellLink(read));
    EXPECT_EQ(read.targetPath, link.targetPath);
    EXPECT_EQ(read.workingDirectory, link.workingDirectory);
    EXPECT_EQ(read.arguments, link.arguments);
    EXPECT_EQ(read.description, link.description);

    for (const char* name : {"tavrik.exe", "missing.lnk"}) {
        ShellLink other{At(name), "", "", "", ""};
        EXPECT_FALSE(machine.ReadShellLink(other)) << name;
    }
}

}  // namespace
}  // namespace tavrik::conformance
