// What only the in-memory machine can set up: values of other types,
// missing rights, flushes. The cases shared with the real machine are in
// tests/conformance.
#include <gtest/gtest.h>

#include "config/Registry.h"
#include "platform/fake/FakeMachine.h"
#include "platform/fake/ScopedCurrentMachine.h"

namespace tavrik {
namespace {

using platform::FakeMachine;
using platform::RegistryValue;

class RegistryTest : public ::testing::Test {
protected:
    FakeMachine machine;
    platform::ScopedCurrentMachine installed{machine};
};

TEST_F(RegistryTest, AValueOfAnotherTypeReadsAsEmpty) {
    machine.SetRegistryValue(kProductKey, "Install", platform::DwordValue(1));
    machine.SetRegistryValue(kProductKey, "Blob", RegistryValue{platform::kRegBinary, "ab"});
    machine.SetRegistryValue(kProductKey, "Path", RegistryValue{platform::kRegExpandSz, "C:"});

    std::string value = "stale";
    ReadRegString(value, kProductKey, "Install");
    EXPECT_EQ(value, "");
    ReadRegString(value, kProductKey, "Blob");
    EXPECT_EQ(value, "");
    ReadRegString(value, kProductKey, "Path");
    EXPECT_EQ(value, "C:");
}

TEST_F(RegistryTest, WritesAndDeletionsReportWhatTheyDidAndFlushEvenWhenTheyFail) {
    machine.SetRegistryValue(kProductKey, "Install", platform::StringValue("0"));
    machine.SetRegistryDenied(true);
    const int before = machine.RegistryFlushCount();

    EXPECT_FALSE(WriteRegString(kProductKey, "Install", "1"));
    EXPECT_FALSE(DeleteRegValue(kProductKey, "Install"));
    EXPECT_FALSE(DeleteRegKey(kProductKey));
    EXPECT_EQ(machine.RegistryFlushCount(), before + 3);
    EXPECT_EQ(machine.RegistryValueOf(kProductKey, "Install")->data, "0");

    // What is already gone counts as deleted, rights or not.
    EXPECT_TRUE(DeleteRegValue(kProductKey, "Manual"));
    EXPECT_TRUE(DeleteRegKey(kZeliaMarkerKey));

    machine.SetRegistryDenied(false);
    EXPECT_TRUE(WriteRegString(kProductKey, "Install", "1"));
    EXPECT_TRUE(DeleteRegValue(kProductKey, "Install"));
    EXPECT_TRUE(DeleteRegKey(kProductKey));
    EXPECT_FALSE(machine.HasRegistryKey(kProductKey));
}

TEST_F(RegistryTest, WithoutRightsReadsStillSeeExistingValues) {
    machine.SetRegistryValue(kMakerKey, "Platform", platform::StringValue("ELNA"));
    machine.SetRegistryDenied(true);
    std::string value;
    ReadRegString(value, kMakerKey, "Platform");
    EXPECT_EQ(value, "ELNA");
    ReadRegString(value, kProductKey, "PathInstall");
    EXPECT_EQ(value, "");
    EXPECT_FALSE(machine.HasRegistryKey(kProductKey));
}

TEST_F(RegistryTest, ReadsDoNotFlush) {
    const int before = machine.RegistryFlushCount();
    std::string value;
    ReadRegString(value, kProductKey, "PathInstall");
    EXPECT_FALSE(RegKeyExists(kZeliaMarkerKey));
    EXPECT_EQ(machine.RegistryFlushCount(), before);
}

}  // namespace
}  // namespace tavrik
