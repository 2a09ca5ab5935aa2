#include "vcl/FileRoutines.h"

#include "VclTestFixture.h"

namespace tavrik::vcl {
namespace {

using FileRoutinesTest = testing::VclTest;

TEST_F(FileRoutinesTest, ExistenceTellsFilesFromFolders) {
    machine.WriteFile("C:\\dir\\old.txt", "1");
    EXPECT_TRUE(FileExists("C:\\dir\\old.txt"));
    EXPECT_FALSE(FileExists("C:\\dir"));
    EXPECT_TRUE(DirectoryExists("C:\\dir"));
    EXPECT_FALSE(FileExists(""));
}

TEST_F(FileRoutinesTest, ForceDirectoriesCreatesEveryMissingLevel) {
    EXPECT_TRUE(ForceDirectories("C:\\APP\\TEMP\\WAIT\\"));
    EXPECT_TRUE(DirectoryExists("C:\\APP\\TEMP\\WAIT"));
    EXPECT_TRUE(ForceDirectories("C:\\APP\\TEMP"));  // already there
    EXPECT_TRUE(ForceDirectories("C:\\"));
    EXPECT_FALSE(ForceDirectories(""));
    EXPECT_FALSE(ForceDirectories("Q:\\x"));  // no such drive
    machine.WriteFile("C:\\file", "1");
    EXPECT_FALSE(ForceDirectories("C:\\file\\sub"));
    EXPECT_EQ(machine.ReadFile("C:\\file"), "1");
}

TEST_F(FileRoutinesTest, ReadWholeFileRespectsItsLimit) {
    machine.WriteFile("C:\\big.txt", std::string(100, 'x'));
    std::string bytes;
    EXPECT_TRUE(ReadWholeFile("C:\\big.txt", bytes, 100));
    EXPECT_EQ(bytes.size(), 100u);
    EXPECT_FALSE(ReadWholeFile("C:\\big.txt", bytes, 99));
    EXPECT_TRUE(bytes.empty());
    EXPECT_FALSE(ReadWholeFile("C:\\missing.txt", bytes, 99));
    EXPECT_EQ(machine.OpenFileCount(), 0);
}

}  // namespace
}  // namespace tavrik::vcl
