#include <gtest/gtest.h>

#include "config/Registry.h"
#include "platform/Machine.h"

namespace tavrik {
namespace {

const std::string kAppRunning = std::string(kProductKey) + "\\APP_Running";

class RegistryCases : public ::testing::Test {
protected:
    void SetUp() override { platform::CurrentMachine().RegistryDeleteKeyTree(kProductKey); }
    void TearDown() override { platform::CurrentMachine().RegistryDeleteKeyTree(kProductKey); }
};

TEST_F(RegistryCases, ReadingAMissingValueGivesEmptyAndLeavesTheKeyBehind) {
    ASSERT_FALSE(RegKeyExists(kProductKey));
    std::string value = "stale";
    ReadRegString(value, kProductKey, "PathInstall");
    EXPECT_EQ(value, "");
    EXPECT_TRUE(RegKeyExists(kProductKey));
}

TEST_F(RegistryCases, KeyExistsDoesNotCreateTheKey) {
    EXPECT_FALSE(RegKeyExists(kProductKey));
    EXPECT_FALSE(RegKeyExists(kProductKey));
}

TEST_F(RegistryCases, WritesCreateTheKeyAndReadBackExactly) {
    EXPECT_TRUE(WriteRegString(kProductKey, "CD",
                               "E:\\m\xe9"
                               "dium avec espaces\\"));
    EXPECT_TRUE(WriteRegString(kProductKey, "Install", "0"));
    EXPECT_TRUE(WriteRegString(kProductKey, "Install", "1"));

    std::string value;
    ReadRegString(value, kProductKey, "CD");
    EXPECT_EQ(value,
              "E:\\m\xe9"
              "dium avec espaces\\");
    ReadRegString(value, kProductKey, "install");  // names ignore case
    EXPECT_EQ(value, "1");
}

TEST_F(RegistryCases, AnEmptyStringIsStoredAndReadAsEmpty) {
    WriteRegString(kProductKey, "Langue", "");
    std::string value = "stale";
    ReadRegString(value, kProductKey, "Langue");
    EXPECT_EQ(value, "");
}

TEST_F(RegistryCases, DeletingTheProductKeyRemovesItsSubKeys) {
    WriteRegString(kProductKey, "PathInstall", "C:");
    WriteRegString(kAppRunning, "", "");
    ASSERT_TRUE(RegKeyExists(kAppRunning));

    EXPECT_TRUE(DeleteRegKey(kProductKey));
    EXPECT_FALSE(RegKeyExists(kAppRunning));
    EXPECT_FALSE(RegKeyExists(kProductKey));
}

TEST_F(RegistryCases, DeletingAMissingKeyIsHarmless) {
    EXPECT_TRUE(DeleteRegKey(kProductKey));
    EXPECT_FALSE(RegKeyExists(kProductKey));
}

TEST_F(RegistryCases, DeletingAValueKeepsTheOthersAndCreatesAMissingKey) {
    WriteRegString(kProductKey, "Manual", "1");
    WriteRegString(kProductKey, "IsInstall", "1");
    EXPECT_TRUE(DeleteRegValue(kProductKey, "Manual"));

    std::string value;
    ReadRegString(value, kProductKey, "Manual");
    EXPECT_EQ(value, "");
    ReadRegString(value, kProductKey, "IsInstall");
    EXPECT_EQ(value, "1");

    DeleteRegKey(kProductKey);
    EXPECT_TRUE(DeleteRegValue(kProductKey, "Manual"));
    EXPECT_TRUE(RegKeyExists(kProductKey));
}

}  // namespace
}  // namespace tavrik
