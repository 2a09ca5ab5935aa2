// The current directory and the environment of the wizard's own process.
#include "ConformanceSupport.h"

namespace tavrik::conformance {
namespace {

using ProcessEnvironmentCases = MachineCase;

TEST_F(ProcessEnvironmentCases, CurrentDirectoryOfAnyLengthAndTheRoot) {
    // Far beyond the 100 characters a fixed buffer once allowed, within the
    // system's own limit for folders.
    std::string deep = Folder();
    while (deep.size() + 27 < 248) {
        deep += "\\abcdefghijklmnopqrstuvwxyz";
        ASSERT_TRUE(machine.CreateDirectory(deep));
    }
    CurrentSetup().SetCurrentDirectory(deep);
    EXPECT_EQ(deep, machine.CurrentDirectory());
    CurrentSetup().SetCurrentDirectory("C:\\");
    EXPECT_EQ("C:\\", machine.CurrentDirectory());
}

TEST_F(ProcessEnvironmentCases, RelativePathsFollowTheCurrentDirectory) {
    ASSERT_TRUE(WriteWholeFile(At("tavrik.ini"), ""));
    ASSERT_TRUE(machine.CreateDirectory(At("BRENDOL")));
    ASSERT_TRUE(machine.CreateDirectory(At("BRENDOL\\DICO")));
    CurrentSetup().SetCurrentDirectory(Folder());
    EXPECT_TRUE(machine.FileExists(".\\tavrik.ini"));
    EXPECT_TRUE(machine.FileExists("tavrik.ini"));
    CurrentSetup().SetCurrentDirectory(At("BRENDOL\\DICO"));
    EXPECT_TRUE(machine.FileExists("..\\..\\tavrik.ini"));
    EXPECT_TRUE(machine.FileExists(Folder().substr(2) + "\\tavrik.ini"));  // from the drive's root
    EXPECT_FALSE(machine.FileExists("tavrik.ini"));
}

TEST_F(ProcessEnvironmentCases, EnvironmentVariablesOfAnyLengthWithoutRegardToCase) {
    const std::string large(20000, 'v');
    CurrentSetup().SetEnvironmentVariable("TAVRIK_LARGE", large);
    std::string value = "stale";
    EXPECT_TRUE(machine.GetEnvironmentVariable("tavrik_large", value));
    EXPECT_EQ(large, value);

    CurrentSetup().SetEnvironmentVariable("TAVRIK_EMPTY", "");
    EXPECT_TRUE(machine.GetEnvironmentVariable("TAVRIK_EMPTY", value));
    EXPECT_EQ("", value);

    for (const char* name : {"TAVRIK_LARGE", "TAVRIK_EMPTY", "TAVRIK_UNSET"}) {
        CurrentSetup().SetEnvironmentVariable(name, std::nullopt);
        EXPECT_FALSE(machine.GetEnvironmentVariable(name, value)) << name;
    }
}

}  // namespace
}  // namespace tavrik::conformance
