// Fixed drives, the system version, the error mode, the screen, the locale
// and shell links.
#include "ConformanceSupport.h"

namespace tavrik::conformance {
namespace {

using namespace platform;

// Drive C is fixed on both machines; the medium's drive and the letters
// with no drive are not listed.
TEST(SystemCases, FixedDrivesAreRootsInLetterOrder) {
    const std::vector<std::string> drives = CurrentMachine().FixedDrives();
    ASSERT_FALSE(drives.empty());
    EXPECT_EQ("C:\\", drives.front());
    for (std::size_t at = 0; at < drives.size(); ++at) {
        ASSERT_EQ(3u, drives[at].size()) << drives[at];
        EXPECT_EQ(":\\", drives[at].substr(1)) << drives[at];
        EXPECT_NE("Q:\\", drives[at]);
        if (at > 0) {
            EXPECT_GT(drives[at][0], drives[at - 1][0]) << drives[at];
        }
    }
}

TEST(SystemCases, TheWindowsVersionIsOfTheNtFamily) {
    OsVersion version;
    ASSERT_TRUE(CurrentMachine().WindowsVersion(version));
    EXPECT_EQ(2u, version.platformId);
    EXPECT_GE(version.major, 5u);
    EXPECT_GT(version.build, 0u);
}

// While the guard lives critical-error boxes are off; the mode before it
// comes back when it goes, whatever it was.
TEST(SystemCases, CriticalErrorBoxesAreOffWhileTheGuardLives) {
    Machine& machine = CurrentMachine();
    const unsigned before = machine.SwapErrorMode(0);
    {
        const CriticalErrorBoxesOff quiet;
        const unsigned during = machine.SwapErrorMode(0);
        EXPECT_EQ(kCriticalErrorBoxesOffMode, during & kCriticalErrorBoxesOffMode);
        machine.SwapErrorMode(during);
    }
    EXPECT_EQ(0u, machine.SwapErrorMode(before));
}

TEST(SystemCases, TheFullScreenAreaIsAScreenSize) {
    const ScreenSize screen = CurrentMachine().FullScreenSize();
    EXPECT_GE(screen.width, 640);
    EXPECT_GE(screen.height, 400);
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
