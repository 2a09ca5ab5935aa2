#include "platform/fake/FakeRegistry.h"

#include <gtest/gtest.h>

namespace tavrik::platform {
namespace {

const std::string kProduct = "SOFTWARE\\NORVA\\BRENDOL_PC";

std::string ReadString(const FakeRegistry& registry, const std::string& key,
                       const std::string& name) {
    RegistryValue value;
    return registry.ReadValue(key, name, value) ? value.data : "<missing>";
}

TEST(FakeRegistry, NamesIgnoreCaseAndKeepTheirFirstSpelling) {
    FakeRegistry registry;
    ASSERT_TRUE(registry.OpenKey("Software\\Norva\\Brendol_PC", true));
    EXPECT_TRUE(registry.KeyExists(kProduct));
    EXPECT_TRUE(registry.WriteValue(kProduct, "PathInstall", StringValue("D:")));
    EXPECT_TRUE(
        registry.WriteValue("software\\norva\\brendol_pc", "PATHINSTALL", StringValue("E:")));
    EXPECT_EQ(ReadString(registry, kProduct, "pathinstall"), "E:");
    EXPECT_EQ(registry.ValueNames(kProduct), std::vector<std::string>{"PathInstall"});
}

TEST(FakeRegistry, OpenCreatesMissingParentsButNeverANewHive) {
    FakeRegistry registry;
    EXPECT_FALSE(registry.OpenKey(kProduct, false));
    EXPECT_FALSE(registry.KeyExists("SOFTWARE\\NORVA"));
    EXPECT_TRUE(registry.OpenKey(kProduct, true));
    EXPECT_TRUE(registry.KeyExists("SOFTWARE\\NORVA"));
    EXPECT_FALSE(registry.OpenKey("NEWHIVE\\x", true));
    EXPECT_FALSE(registry.KeyExists("NEWHIVE"));
    for (const char* malformed : {"\\SOFTWARE", "SOFTWARE\\\\x"}) {
        EXPECT_FALSE(registry.OpenKey(malformed, true)) << malformed;
        EXPECT_FALSE(registry.KeyExists(malformed)) << malformed;
    }
    EXPECT_TRUE(registry.KeyExists("SOFTWARE\\"));
    EXPECT_FALSE(registry.WriteValue("SOFTWARE\\Missing", "v", StringValue("x")));
}

TEST(FakeRegistry, DeleteKeyTreeRemovesSubKeysButNotHives) {
    FakeRegistry registry;
    ASSERT_TRUE(registry.SetValue(kProduct + "\\APP_Running", "x", DwordValue(1)));
    ASSERT_TRUE(registry.SetValue(kProduct, "Install", StringValue("1")));
    EXPECT_TRUE(registry.DeleteKeyTree("software\\norva\\brendol_pc"));
    EXPECT_FALSE(registry.KeyExists(kProduct + "\\APP_Running"));
    EXPECT_FALSE(registry.KeyExists(kProduct));
    EXPECT_TRUE(registry.KeyExists("SOFTWARE\\NORVA"));
    EXPECT_FALSE(registry.DeleteKeyTree(kProduct));  // already gone
    EXPECT_FALSE(registry.DeleteKeyTree("SOFTWARE"));
    EXPECT_FALSE(registry.DeleteKeyTree(""));
    EXPECT_TRUE(registry.KeyExists("SOFTWARE"));
}

TEST(FakeRegistry, DeniedRegistryReadsButChangesNothing) {
    FakeRegistry registry;
    ASSERT_TRUE(registry.SetValue(kProduct, "Install", StringValue("1")));
    registry.SetDenied(true);
    EXPECT_TRUE(registry.KeyExists(kProduct));
    EXPECT_EQ(ReadString(registry, kProduct, "Install"), "1");
    EXPECT_FALSE(registry.OpenKey(kProduct, false));
    EXPECT_FALSE(registry.OpenKey(kProduct + "\\New", true));
    EXPECT_FALSE(registry.WriteValue(kProduct, "Install", StringValue("0")));
    EXPECT_FALSE(registry.DeleteValue(kProduct, "Install"));
    EXPECT_FALSE(registry.DeleteKeyTree(kProduct));
    EXPECT_EQ(ReadString(registry, kProduct, "Install"), "1");
    EXPECT_FALSE(registry.KeyExists(kProduct + "\\New"));
}

TEST(FakeRegistry, TypedValuesValueDeletionAndFlushes) {
    FakeRegistry registry;
    ASSERT_TRUE(registry.SetValue("SOFTWARE\\T", "Count", DwordValue(0x01020304)));
    RegistryValue value;
    ASSERT_TRUE(registry.ReadValue("SOFTWARE\\T", "count", value));
    EXPECT_EQ(value.type, kRegDword);
    EXPECT_EQ(value.data, std::string("\x04\x03\x02\x01", 4));
    EXPECT_TRUE(registry.DeleteValue("SOFTWARE\\T", "COUNT"));
    EXPECT_FALSE(registry.DeleteValue("SOFTWARE\\T", "Count"));
    EXPECT_FALSE(registry.ReadValue("SOFTWARE\\T", "Count", value));
    EXPECT_EQ(registry.FlushCount(), 0);
    registry.Flush();
    registry.Flush();
    EXPECT_EQ(registry.FlushCount(), 2);
}

}  // namespace
}  // namespace tavrik::platform
