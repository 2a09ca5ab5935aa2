#include "vcl/Registry.h"

#include "VclTestFixture.h"
#include "vcl/Exceptions.h"

namespace tavrik::vcl {
namespace {

using RegistryTest = testing::VclTest;

const char* const kProductKey = "SOFTWARE\\NORVA\\BRENDOL_PC";

TEST_F(RegistryTest, OpenKeyCreatesOnlyWhenAllowed) {
    TRegistry registry;
    registry.SetRootKey(kHKeyLocalMachine);
    EXPECT_THROW(registry.SetRootKey(0x80000001u), ERegistryException);
    EXPECT_FALSE(registry.OpenKey(kProductKey, false));
    EXPECT_FALSE(registry.HasCurrentKey());
    EXPECT_TRUE(registry.OpenKey(kProductKey, true));
    EXPECT_TRUE(machine.HasRegistryKey(kProductKey));
    EXPECT_EQ(registry.CurrentPath(), kProductKey);
    // Relative names continue from the current key, '\' starts at the root.
    EXPECT_TRUE(registry.OpenKey("APP_Running", true));
    EXPECT_EQ(registry.CurrentPath(), std::string(kProductKey) + "\\APP_Running");
    EXPECT_TRUE(registry.OpenKey("\\SOFTWARE\\NORVA", false));
    EXPECT_EQ(registry.CurrentPath(), "SOFTWARE\\NORVA");
    registry.CloseKey();
    EXPECT_FALSE(registry.OpenKey("", true));
}

TEST_F(RegistryTest, ReadsWritesAndDeletesStringValues) {
    TRegistry registry;
    ASSERT_TRUE(registry.OpenKey(kProductKey, true));
    EXPECT_EQ(registry.ReadString("Install"), "");
    EXPECT_FALSE(registry.ValueExists("Install"));
    registry.WriteString("Install", "0");
    EXPECT_TRUE(registry.ValueExists("install"));
    EXPECT_EQ(registry.ReadString("Install"), "0");
    EXPECT_EQ(machine.RegistryValueOf(kProductKey, "Install")->type, platform::kRegSz);
    EXPECT_TRUE(registry.DeleteValue("Install"));
    EXPECT_FALSE(registry.DeleteValue("Install"));
    EXPECT_EQ(registry.ReadString("Install"), "");
}

TEST_F(RegistryTest, ValueOfAnotherTypeRaisesTheRegistryError) {
    machine.SetRegistryValue(kProductKey, "Count",
                             {platform::kRegDword, std::string("\1\0\0\0", 4)});
    machine.SetRegistryValue(kProductKey, "Path",
                             {platform::kRegExpandSz, std::string("C:\\x\0", 5)});
    TRegistry registry;
    ASSERT_TRUE(registry.OpenKey(kProductKey, false));
    EXPECT_THROW(registry.ReadString("Count"), ERegistryException);
    EXPECT_EQ(registry.ReadString("Path"), "C:\\x");  // terminating NUL dropped
}

TEST_F(RegistryTest, DeleteKeyTakesSubKeysAndClosesAVanishedCurrentKey) {
    machine.CreateRegistryKey(std::string(kProductKey) + "\\APP_Running");
    TRegistry registry;
    ASSERT_TRUE(registry.OpenKey(std::string(kProductKey) + "\\APP_Running", false));
    EXPECT_TRUE(registry.KeyExists(std::string("\\") + kProductKey));
    EXPECT_TRUE(registry.DeleteKey(std::string("\\") + kProductKey));
    EXPECT_FALSE(machine.HasRegistryKey(std::string(kProductKey) + "\\APP_Running"));
    EXPECT_FALSE(registry.HasCurrentKey());
    EXPECT_FALSE(registry.KeyExists(kProductKey));
    EXPECT_TRUE(registry.KeyExists("SOFTWARE\\NORVA"));
}

TEST_F(RegistryTest, WithoutRightsNothingOpensAndWritesRaise) {
    machine.SetRegistryValue(kProductKey, "Manual", {platform::kRegSz, "1"});
    machine.SetRegistryDenied(true);
    TRegistry registry;
    EXPECT_FALSE(registry.OpenKey(kProductKey, true));
    EXPECT_TRUE(registry.KeyExists(kProductKey));
    EXPECT_EQ(registry.ReadString("Manual"), "");
    EXPECT_THROW(registry.WriteString("Install", "0"), ERegistryException);
    EXPECT_FALSE(registry.DeleteKey(kProductKey));
    EXPECT_TRUE(machine.HasRegistryKey(kProductKey));
}

}  // namespace
}  // namespace tavrik::vcl
