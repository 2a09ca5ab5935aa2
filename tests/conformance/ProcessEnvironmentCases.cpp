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
        ASSERT_TRUE(machine.MakeDirectory(deep));
    }
    CurrentSetup().ChangeDirectory(deep);
    EXPECT_EQ(deep, machine.CurrentDirectory());
    CurrentSetup().ChangeDirectory("C:\\");
    EXPECT_EQ("C:\\", machine.CurrentDirectory());
}

TEST_F(ProcessEnvironmentCases, RelativePathsFollowTheCurrentDirectory) {
    ASSERT_TRUE(WriteWholeFile(At("tavrik.ini"), ""));
    ASSERT_TRUE(machine.MakeDirectory(At("BRENDOL")));
    ASSERT_TRUE(machine.MakeDirectory(At("BRENDOL\\DICO")));
    CurrentSetup().ChangeDirectory(Folder());
    EXPECT_TRUE(machine.FileExists(".\\tavrik.ini"));
    EXPECT_TRUE(machine.FileExists("tavrik.ini"));
    CurrentSetup().ChangeDirectory(At("BRENDOL\\DICO"));
    EXPECT_TRUE(machine.FileExists("..\\..\\tavrik.ini"));
    EXPECT_TRUE(machine.FileExists(Folder().substr(2) + "\\tavrik.ini"));  // from the drive's root
    EXPECT_FALSE(machine.FileExists("tavrik.ini"));
}

TEST_F(ProcessEnvironmentCases, EnvironmentVariablesOfAnyLengthWithoutRegardToCase) {
    const std::string large(20000, 'v');
    CurrentSetup().SetEnvironment("TAVRIK_LARGE", large);
    std::string value = "stale";
    EXPECT_TRUE(machine.EnvironmentVariable("tavrik_large", value));
    EXPECT_EQ(large, value);

    CurrentSetup().SetEnvironment("TAVRIK_EMPTY", "");
    EXPECT_TRUE(machine.EnvironmentVariable("TAVRIK_EMPTY", value));
    EXPECT_EQ("", value);

    for (const char* name : {"TAVRIK_LARGE", "TAVRIK_EMPTY", "TAVRIK_UNSET"}) {
        CurrentSetup().SetEnvironment(name, std::nullopt);
        EXPECT_FALSE(machine.EnvironmentVariable(name, value)) << name;
    }
}

}  // namespace
}  // namespace tavrik::conformance
