#include <gtest/gtest.h>

#include "config/Registry.h"
#include "install/Versions.h"
#include "platform/fake/FakeMachine.h"
#include "platform/fake/ScopedCurrentMachine.h"

namespace tavrik {
namespace {

using platform::FakeMachine;

TEST(CompareVersions, OrdersByteByByteWithPrefixesFirst) {
    EXPECT_LT(CompareVersions("2.10", "2.9"), 0);
    EXPECT_LT(CompareVersions("1.0", "1.0a"), 0);
    EXPECT_GT(CompareVersions("1.0a", "1.0"), 0);
    EXPECT_EQ(CompareVersions("5.2.0", "5.2.0"), 0);
    EXPECT_LT(CompareVersions("", "1"), 0);
    EXPECT_EQ(CompareVersions("", ""), 0);
    EXPECT_LT(CompareVersions("V", "v"), 0);         // case-sensitive
    EXPECT_GT(CompareVersions("1.\xe9", "1.z"), 0);  // bytes are unsigned
}

TEST(IsMediumVersionAccepted, NeedsANonEmptyVersionNotOlderThanTheInstalledOne) {
    EXPECT_TRUE(IsMediumVersionAccepted({"5.2", ""}));
    EXPECT_TRUE(IsMediumVersionAccepted({"5.2", "5.2"}));
    EXPECT_TRUE(IsMediumVersionAccepted({"5.3", "5.2"}));
    EXPECT_FALSE(IsMediumVersionAccepted({"2.10", "2.9"}));
    EXPECT_FALSE(IsMediumVersionAccepted({"", ""}));
    EXPECT_FALSE(IsMediumVersionAccepted({"", "5.2"}));
}

class ReadVersionsTest : public ::testing::Test {
protected:
    FakeMachine machine;
    platform::ScopedCurrentMachine installed{machine};

    void SetUp() override {
        machine.AddDrive('E', platform::kDriveCdRom);
        machine.AddDrive('D', platform::kDriveFixed);
        machine.SetCurrentDirectory("E:\\");
        machine.WriteFile("E:\\tavrik.ini", "[INSTALL]\r\nNAME=BRENDOL\r\n");
    }
};

TEST_F(ReadVersionsTest, ReadsTheMediumAndTheInstalledTree) {
    machine.WriteFile("E:\\BRENDOL\\applic.ini", "[APPLICATION]\r\nVSOFT=5.3.0\r\n");
    machine.WriteFile("D:\\APP\\BRENDOL\\applic.ini", "[APPLICATION]\r\nVSOFT=5.2.1\r\n");
    machine.SetRegistryValue(kProductKey, "PathInstall", platform::StringValue("D:"));

    const ApplicationVersions versions = ReadApplicationVersions();
    EXPECT_EQ(versions.medium, "5.3.0");
    EXPECT_EQ(versions.installed, "5.2.1");
}

TEST_F(ReadVersionsTest, CriticalErrorsAreSuppressedWhileTheMediumIsRead) {
    machine.SetMediaPresent('E', false);
    const ApplicationVersions versions = ReadApplicationVersions();
    EXPECT_EQ(versions.medium, "");
    ASSERT_EQ(machine.ErrorModeCalls().size(), 2u);
    EXPECT_EQ(machine.ErrorModeCalls()[0], platform::kCriticalErrorBoxesOffMode);
    EXPECT_EQ(machine.ErrorModeCalls()[1], 0u);
}

TEST_F(ReadVersionsTest, WithoutPathInstallTheCurrentDrivesRootIsRead) {
    machine.WriteFile("E:\\BRENDOL\\applic.ini", "[APPLICATION]\r\nVSOFT=5.3.0\r\n");
    machine.WriteFile("E:\\APP\\BRENDOL\\applic.ini", "[APPLICATION]\r\nVSOFT=9.9\r\n");
    EXPECT_EQ(ReadApplicationVersions().installed, "9.9");
}

}  // namespace
}  // namespace tavrik
