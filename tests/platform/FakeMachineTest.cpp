#include "platform/fake/FakeMachine.h"

#include <gtest/gtest.h>

#include "platform/fake/ScopedCurrentMachine.h"

namespace tavrik::platform {
namespace {

TEST(FakeMachine, AnIniFileOnAnEmptyDriveGivesTheDefaults) {
    FakeMachine machine;
    machine.AddDrive('E', kDriveCdRom);
    machine.WriteFile("E:\\tavrik.ini", "[INSTALL]\nNAME=Brendol\n");
    EXPECT_EQ(machine.ReadIniString("E:\\tavrik.ini", "install", "name", "none"), "Brendol");
    machine.SetMediaPresent('E', false);
    EXPECT_EQ(machine.ReadIniString("E:\\tavrik.ini", "install", "name", "none"), "none");
}

TEST(FakeMachine, AnEnvironmentNameWithAnEqualsSignCannotBeSet) {
    FakeMachine machine;
    EXPECT_THROW(machine.SetEnvironmentVariable("A=B", "x"), FakeSetupError);
}

// The extended record carries the service pack; a system that refuses it
// is read from the basic record, one that refuses both has no version.
TEST(FakeMachine, TheVersionFallsBackToTheBasicRecord) {
    struct Row {
        bool refuseExtended, refuseBasic, readable;
    };
    for (const Row row : {Row{false, false, true}, Row{true, false, true}, Row{false, true, true},
                          Row{true, true, false}}) {
        FakeMachine machine;
        machine.SetVersion(5, 0, 2195, "Service Pack 4");
        machine.RefuseVersionRecords(row.refuseExtended, row.refuseBasic);
        OsVersion version;
        ASSERT_EQ(machine.WindowsVersion(version), row.readable) << row.refuseExtended;
        if (row.readable) {
            EXPECT_EQ(version.major, 5u);
            EXPECT_EQ(version.minor, 0u);
            EXPECT_EQ(version.servicePack, "Service Pack 4");
        }
    }
}

TEST(FakeMachine, WindowTitlesAreListedTopDownAndCut) {
    FakeMachine machine;
    EXPECT_TRUE(machine.TopLevelWindowTitles().empty());
    machine.SetTopWindows({"Tavrik", "Solvane 16", std::string(2000, 't')});
    EXPECT_EQ(machine.TopLevelWindowTitles(),
              (std::vector<std::string>{"Tavrik", "Solvane 16", std::string(1023, 't')}));
}

TEST(FakeMachine, SystemKnobs) {
    FakeMachine machine;
    EXPECT_EQ(machine.FullScreenSize().width, 1024);
    EXPECT_EQ(machine.FullScreenSize().height, 738);
    {
        ScopedCurrentMachine installed(machine);
        const CriticalErrorBoxesOff quiet;
    }
    EXPECT_EQ(machine.ErrorModeCalls(), (std::vector<unsigned>{kCriticalErrorBoxesOffMode, 0}));

    PowerStatus status;
    machine.SetPowerStatus(PowerStatus{0, 1, 80, 3600, 7200});
    ASSERT_TRUE(machine.GetPowerStatus(status));
    EXPECT_EQ(status.acLineStatus, 0);
    EXPECT_EQ(status.batteryLifePercent, 80);
    machine.SetPowerStatusFails(true);
    EXPECT_FALSE(machine.GetPowerStatus(status));
}

TEST(FakeMachine, ShellLinksAreRecordedWhereTheirFileCanBeWritten) {
    FakeMachine machine;
    machine.AddDrive('E', kDriveCdRom);
    const ShellLink link{"C:\\Tavrik.lnk", "E:\\tavrik.exe", "Tavrik", "E:\\", "-reboot"};
    EXPECT_TRUE(machine.CreateShellLink(link));
    EXPECT_TRUE(machine.FileExists("c:\\tavrik.lnk"));
    EXPECT_FALSE(machine.CreateShellLink(ShellLink{"E:\\x.lnk", "", "", "", ""}));
    ASSERT_EQ(machine.ShellLinks().size(), 1u);
    EXPECT_EQ(machine.ShellLinks()[0].arguments, "-reboot");
    ShellLink readBack{"C:\\Tavrik.lnk", "", "", "", ""};
    ASSERT_TRUE(machine.ReadShellLink(readBack));
    EXPECT_EQ(readBack.targetPath, link.targetPath);
    EXPECT_EQ(readBack.description, link.description);
    EXPECT_EQ(readBack.workingDirectory, link.workingDirectory);
    EXPECT_EQ(readBack.arguments, link.arguments);
    // A file that is not a link, as on Windows, and a link over a read-only file.
    machine.WriteFile("C:\\plain.lnk", "target=E:\\tavrik.exe\r\n");
    readBack.linkPath = "C:\\plain.lnk";
    EXPECT_FALSE(machine.ReadShellLink(readBack));
    machine.MakeReadOnly("C:\\plain.lnk");
    EXPECT_FALSE(machine.CreateShellLink(ShellLink{"C:\\plain.lnk", "", "", "", ""}));
    EXPECT_EQ(machine.OpenHandleCount(), 0);
}

TEST(FakeMachine, ARestartNeedsTheShutdownRight) {
    FakeMachine machine;
    EXPECT_TRUE(machine.Restart());
    machine.SetShutdownPrivilegeHeld(false);
    EXPECT_FALSE(machine.Restart());
    EXPECT_EQ(machine.RestartRequests(), (std::vector<bool>{true, false}));
}

TEST(FakeMachine, InstallsItselfAsTheCurrentMachineForAScope) {
    FakeMachine machine;
    ScopedCurrentMachine installed(machine);
    EXPECT_EQ(&CurrentMachine(), &machine);
    EXPECT_EQ(CurrentMachine().CurrentDirectory(), "C:\\");
}

}  // namespace
}  // namespace tavrik::platform
