// The registry through the seam: keys, values of every type and size, and
// what deleting may and may not take.
#include "ConformanceSupport.h"

namespace tavrik::conformance {
namespace {

using namespace platform;

const std::string kBase = "SOFTWARE\\TavrikConformance";

class RegistryKeyCases : public ::testing::Test {
protected:
    void SetUp() override {
        machine.RegistryDeleteKeyTree(kBase);
        ASSERT_TRUE(machine.RegistryOpenKey(kBase, true));
    }
    void TearDown() override { machine.RegistryDeleteKeyTree(kBase); }

    std::string ReadString(const std::string& key, const std::string& name) {
        RegistryValue value;
        return machine.RegistryReadValue(key, name, value) ? value.data : "<missing>";
    }

    Machine& machine = CurrentMachine();
};

TEST_F(RegistryKeyCases, NamesIgnoreCaseAndValuesOfAnySizeReadBackWhole) {
    const std::string large(100000, 'x');
    ASSERT_TRUE(machine.RegistryWriteString(kBase, "Large", large));
    RegistryValue value;
    ASSERT_TRUE(machine.RegistryReadValue("software\\tavrikconformance", "LARGE", value));
    EXPECT_EQ(kRegSz, value.type);
    EXPECT_EQ(large, value.data);

    ASSERT_TRUE(machine.RegistryWriteString(kBase, "PathInstall", "D:"));
    ASSERT_TRUE(machine.RegistryWriteString(kBase, "PATHINSTALL", "E:"));
    EXPECT_EQ("E:", ReadString(kBase, "pathinstall"));
    ASSERT_TRUE(machine.RegistryWriteString(kBase, "Empty", ""));
    EXPECT_EQ("", ReadString(kBase, "EMPTY"));
}

TEST_F(RegistryKeyCases, StringsEndAtTheirFirstNulOrTheirLastByte) {
    CurrentSetup().SetRegistryValue(kBase, "Unterminated", RegistryValue{kRegSz, "abc"});
    CurrentSetup().SetRegistryValue(kBase, "Embedded",
                                    RegistryValue{kRegSz, std::string("ab\0cd\0", 6)});
    EXPECT_EQ("abc", ReadString(kBase, "Unterminated"));
    EXPECT_EQ("ab", ReadString(kBase, "Embedded"));
}

TEST_F(RegistryKeyCases, OtherTypesKeepTheirTypeAndRawBytes) {
    const std::string bytes("\x01\x00\x02\x00", 4);
    const std::string number("\x04\x03\x02\x01", 4);
    CurrentSetup().SetRegistryValue(kBase, "Binary", RegistryValue{kRegBinary, bytes});
    CurrentSetup().SetRegistryValue(kBase, "Number", RegistryValue{kRegDword, number});
    RegistryValue value;
    ASSERT_TRUE(machine.RegistryReadValue(kBase, "Binary", value));
    EXPECT_EQ(kRegBinary, value.type);
    EXPECT_EQ(bytes, value.data);
    ASSERT_TRUE(machine.RegistryReadValue(kBase, "number", value));
    EXPECT_EQ(kRegDword, value.type);
    EXPECT_EQ(number, value.data);
}

TEST_F(RegistryKeyCases, MissingKeysAreNeitherFoundNorCreatedByProbes) {
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
    EXPECT_TRUE(machine.RegistryKeyExists("SOFTWARE\\"));
}

TEST_F(RegistryKeyCases, OpeningWithCreationMakesMissingParents) {
    const std::string deep = kBase + "\\One\\Two\\Three";
    EXPECT_TRUE(machine.RegistryOpenKey(deep, true));
    EXPECT_TRUE(machine.RegistryKeyExists(kBase + "\\ONE\\two"));
    EXPECT_TRUE(machine.RegistryOpenKey(deep, false));
}

TEST_F(RegistryKeyCases, DeleteKeyTreeRemovesEverySubKeyAndNothingElse) {
    for (const char* key : {"\\Tree\\A\\A1\\A11", "\\Tree\\A\\A2", "\\Tree\\B", "\\Sibling"}) {
        ASSERT_TRUE(machine.RegistryOpenKey(kBase + key, true));
    }
    ASSERT_TRUE(machine.RegistryWriteString(kBase + "\\Tree\\A\\A1", "Value", "x"));

    EXPECT_TRUE(machine.RegistryDeleteKeyTree(kBase + "\\tree\\"));  // trailing backslash too
    EXPECT_FALSE(machine.RegistryKeyExists(kBase + "\\Tree"));
    EXPECT_FALSE(machine.RegistryKeyExists(kBase + "\\Tree\\A\\A1"));
    EXPECT_TRUE(machine.RegistryKeyExists(kBase + "\\Sibling"));
    EXPECT_FALSE(machine.RegistryDeleteKeyTree(kBase + "\\Tree"));  // already gone
}

TEST_F(RegistryKeyCases, DeleteKeyTreeNeverTakesTheWholeMachine) {
    EXPECT_FALSE(machine.RegistryDeleteKeyTree(""));
    EXPECT_FALSE(machine.RegistryDeleteKeyTree("\\\\"));
    EXPECT_TRUE(machine.RegistryKeyExists("SOFTWARE"));
    EXPECT_TRUE(machine.RegistryKeyExists(kBase));
}

TEST_F(RegistryKeyCases, DeleteValueKeepsTheOthersAndFlushes) {
    ASSERT_TRUE(machine.RegistryWriteString(kBase, "Gone", "1"));
    ASSERT_TRUE(machine.RegistryWriteString(kBase, "Kept", "2"));
    EXPECT_TRUE(machine.RegistryDeleteValue(kBase, "GONE"));
    EXPECT_FALSE(machine.RegistryDeleteValue(kBase, "Gone"));
    EXPECT_EQ("<missing>", ReadString(kBase, "Gone"));
    EXPECT_EQ("2", ReadString(kBase, "Kept"));
    EXPECT_TRUE(machine.RegistryFlush());
}

}  // namespace
}  // namespace tavrik::conformance
