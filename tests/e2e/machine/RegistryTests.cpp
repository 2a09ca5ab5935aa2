#include <gtest/gtest.h>

#include <string>

#include "platform/win32/Win32Api.h"

namespace tavrik::platform {
namespace {

const std::string kBase = "SOFTWARE\\TavrikMachineTests";

class RegistryTest : public testing::Test {
protected:
    void SetUp() override {
        machine.RegistryDeleteKeyTree(kBase);
        ASSERT_TRUE(machine.RegistryOpenKey(kBase, true));
    }
    void TearDown() override { machine.RegistryDeleteKeyTree(kBase); }

    // Stores a value with the raw API, bypassing the machine's own writes.
    void SetRaw(const std::string& name, DWORD type, const std::string& bytes) {
        HKEY key = nullptr;
        ASSERT_EQ(ERROR_SUCCESS,
                  ::RegOpenKeyExA(HKEY_LOCAL_MACHINE, kBase.c_str(), 0, KEY_SET_VALUE, &key));
        EXPECT_EQ(ERROR_SUCCESS, ::RegSetValueExA(key, name.c_str(), 0, type,
                                                  reinterpret_cast<const BYTE*>(bytes.data()),
                                                  static_cast<DWORD>(bytes.size())));
        ::RegCloseKey(key);
    }

    Machine& machine = CurrentMachine();
};

TEST_F(RegistryTest, ValuesOfAnySizeReadBackWhole) {
    const std::string large(100000, 'x');
    ASSERT_TRUE(machine.RegistryWriteString(kBase, "Large", large));
    RegistryValue value;
    ASSERT_TRUE(machine.RegistryReadValue(kBase, "Large", value));
    EXPECT_EQ(kRegSz, value.type);
    EXPECT_EQ(large, value.data);

    ASSERT_TRUE(machine.RegistryWriteString(kBase, "Empty", ""));
    ASSERT_TRUE(machine.RegistryReadValue(kBase, "EMPTY", value));  // names ignore case
    EXPECT_EQ("", value.data);
}

TEST_F(RegistryTest, StringsEndAtTheirFirstNulOrTheirLastByte) {
    SetRaw("Unterminated", REG_SZ, "abc");
    SetRaw("Embedded", REG_SZ, std::string("ab\0cd\0", 6));
    RegistryValue value;
    ASSERT_TRUE(machine.RegistryReadValue(kBase, "Unterminated", value));
    EXPECT_EQ("abc", value.data);
    ASSERT_TRUE(machine.RegistryReadValue(kBase, "Embedded", value));
    EXPECT_EQ("ab", value.data);
}

TEST_F(RegistryTest, OtherTypesKeepTheirTypeAndRawBytes) {
    const std::string bytes("\x01\x00\x02\x00", 4);
    SetRaw("Binary", REG_BINARY, bytes);
    SetRaw("Number", REG_DWORD, std::string("\x07\x00\x00\x00", 4));
    RegistryValue value;
    ASSERT_TRUE(machine.RegistryReadValue(kBase, "Binary", value));
    EXPECT_EQ(kRegBinary, value.type);
    EXPECT_EQ(bytes, value.data);
    ASSERT_TRUE(machine.RegistryReadValue(kBase, "Number", value));
    EXPECT_EQ(kRegDword, value.type);
    EXPECT_EQ(std::string("\x07\x00\x00\x00", 4), value.data);
}

TEST_F(RegistryTest, MissingKeysAreNeitherFoundNorCreatedByProbes) {
    const std::string missing = kBase + "\\Missing";
    EXPECT_FALSE(machine.RegistryKeyExists(missing));
    EXPECT_FALSE(machine.RegistryOpenKey(missing, false));
    RegistryValue value;
    EXPECT_FALSE(machine.RegistryReadValue(missing, "Value", value));
    EXPECT_FALSE(machine.RegistryWriteString(missing, "Value", "text"));
    EXPECT_FALSE(machine.RegistryDeleteValue(missing, "Value"));
    EXPECT_FALSE(machine.RegistryKeyExists(missing));

    EXPECT_FALSE(machine.RegistryReadValue(kBase, "Missing", value));
    EXPECT_FALSE(machine.RegistryDeleteValue(kBase, "Missing"));
}

TEST_F(RegistryTest, OpeningWithCreationMakesMissingParents) {
    const std::string deep = kBase + "\\One\\Two\\Three";
    EXPECT_TRUE(machine.RegistryOpenKey(deep, true));
    EXPECT_TRUE(machine.RegistryKeyExists(deep));
    EXPECT_TRUE(machine.RegistryOpenKey(deep, false));
}

TEST_F(RegistryTest, DeleteKeyTreeRemovesEverySubKeyAndNothingElse) {
    for (const char* key : {"\\Tree\\A\\A1\\A11", "\\Tree\\A\\A2", "\\Tree\\B", "\\Sibling"}) {
        ASSERT_TRUE(machine.RegistryOpenKey(kBase + key, true));
    }
    ASSERT_TRUE(machine.RegistryWriteString(kBase + "\\Tree\\A\\A1", "Value", "x"));

    EXPECT_TRUE(machine.RegistryDeleteKeyTree(kBase + "\\Tree\\"));  // trailing backslash too
    EXPECT_FALSE(machine.RegistryKeyExists(kBase + "\\Tree"));
    EXPECT_TRUE(machine.RegistryKeyExists(kBase + "\\Sibling"));
    EXPECT_FALSE(machine.RegistryDeleteKeyTree(kBase + "\\Tree"));
}

TEST_F(RegistryTest, DeleteKeyTreeNeverTakesTheWholeMachine) {
    EXPECT_FALSE(machine.RegistryDeleteKeyTree(""));
    EXPECT_FALSE(machine.RegistryDeleteKeyTree("\\\\"));
    EXPECT_TRUE(machine.RegistryKeyExists("SOFTWARE"));
    EXPECT_TRUE(machine.RegistryKeyExists(kBase));
}

TEST_F(RegistryTest, DeleteValueAndFlush) {
    ASSERT_TRUE(machine.RegistryWriteString(kBase, "Gone", "1"));
    ASSERT_TRUE(machine.RegistryWriteString(kBase, "Kept", "2"));
    EXPECT_TRUE(machine.RegistryDeleteValue(kBase, "GONE"));
    RegistryValue value;
    EXPECT_FALSE(machine.RegistryReadValue(kBase, "Gone", value));
    EXPECT_TRUE(machine.RegistryReadValue(kBase, "Kept", value));
    EXPECT_TRUE(machine.RegistryFlush());
}

}  // namespace
}  // namespace tavrik::platform
