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

TEST(FakeMachine, VersionRecordsCanBeRefused) {
    FakeMachine machine;
    machine.SetVersion(5, 0, 2195, "Service Pack 4");
    OsVersion extended;
    extended.recordSize = kOsVersionExSize;
    ASSERT_TRUE(machine.GetVersion(extended));
    EXPECT_EQ(extended.recordSize, kOsVersionExSize);
    EXPECT_EQ(extended.major, 5u);
    EXPECT_EQ(extended.minor, 0u);
    EXPECT_EQ(extended.servicePack, "Service Pack 4");

    machine.RefuseVersionRecords(true, false);
    OsVersion basic;
    basic.recordSize = kOsVersionSize;
    EXPECT_FALSE(machine.GetVersion(extended));
    EXPECT_TRUE(machine.GetVersion(basic));
    machine.RefuseVersionRecords(true, true);
    EXPECT_FALSE(machine.GetVersion(basic));
    OsVersion odd;
    odd.recordSize = 12;
    machine.RefuseVersionRecords(false, false);
    EXPECT_FALSE(machine.GetVersion(odd));
}

TEST(FakeMachine, WindowsAreWalkedTopDown) {
    FakeMachine machine;
    EXPECT_EQ(machine.TopWindow(), kNoHandle);
    machine.SetTopWindows({"Tavrik", "Solvane 16", std::string(2000, 't')});
    const Handle top = machine.TopWindow();
    EXPECT_EQ(machine.WindowText(top), "Tavrik");
    const Handle second = machine.NextWindow(top);
    EXPECT_EQ(machine.WindowText(second), "Solvane 16");
    const Handle third = machine.NextWindow(second);
    EXPECT_EQ(machine.WindowText(third).size(), 1023u);
    EXPECT_EQ(machine.NextWindow(third), kNoHandle);
    EXPECT_EQ(machine.NextWindow(kNoHandle), kNoHandle);
    EXPECT_EQ(machine.WindowText(0x1234), "");
}

TEST(FakeMachine, SystemKnobsAndRecordedCalls) {
    FakeMachine machine;
    EXPECT_EQ(machine.SystemMetric(kSmCxFullScreen), 1024);
    EXPECT_EQ(machine.SystemMetric(kSmCyFullScreen), 738);
    EXPECT_EQ(machine.SetErrorMode(kSemFailCriticalErrors), 0u);
    EXPECT_EQ(machine.SetErrorMode(0), kSemFailCriticalErrors);
    EXPECT_EQ(machine.ErrorModeCalls(), (std::vector<unsigned>{kSemFailCriticalErrors, 0}));

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

TEST(FakeMachine, RestartNeedsTheShutdownPrivilegeEnabled) {
    FakeMachine machine;
    EXPECT_FALSE(machine.ExitWindows(kEwxReboot | kEwxForce, 0));
    EXPECT_TRUE(machine.EnableShutdownPrivilege());
    EXPECT_TRUE(machine.ExitWindows(kEwxReboot | kEwxForce, 0));
    ASSERT_EQ(machine.ExitWindowsCalls().size(), 2u);
    EXPECT_FALSE(machine.ExitWindowsCalls()[0].succeeded);
    EXPECT_EQ(machine.ExitWindowsCalls()[1].flags, 6u);

    FakeMachine withoutRights;
    withoutRights.SetShutdownPrivilegeHeld(false);
    EXPECT_FALSE(withoutRights.EnableShutdownPrivilege());
    EXPECT_FALSE(withoutRights.ExitWindows(kEwxReboot | kEwxForce, 0));
}

TEST(FakeMachine, InstallsItselfAsTheCurrentMachineForAScope) {
    FakeMachine machine;
    ScopedCurrentMachine installed(machine);
    EXPECT_EQ(&CurrentMachine(), &machine);
    EXPECT_EQ(CurrentMachine().CurrentDirectory(), "C:\\");
}

}  // namespace
}  // namespace tavrik::platform
