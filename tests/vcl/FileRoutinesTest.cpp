#include "vcl/FileRoutines.h"

#include "VclTestFixture.h"
#include "vcl/FileWindow.h"

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

// A window of 4 bytes: requests inside it, across its end, longer than it,
// backwards, and up to the last byte all give the file's bytes.
TEST_F(FileRoutinesTest, FileWindowGivesTheBytesAskedWhereverTheyLie) {
    const std::string bytes = "0123456789abcdefghij";
    machine.WriteFile("C:\\f.bin", bytes);
    {
        FileWindow file("C:\\f.bin", 100, 4);
        ASSERT_TRUE(file.IsOpen());
        EXPECT_EQ(file.Size(), bytes.size());
        const std::pair<std::size_t, std::size_t> requests[] = {{0, 2}, {2, 2},  {3, 3}, {5, 9},
                                                                {1, 1}, {19, 1}, {0, 20}};
        for (const auto& [offset, length] : requests) {
            const std::uint8_t* at = file.At(offset, length);
            ASSERT_NE(at, nullptr) << offset;
            EXPECT_EQ(std::string(reinterpret_cast<const char*>(at), length),
                      bytes.substr(offset, length));
        }
        EXPECT_EQ(file.At(18, 3), nullptr);  // past the end
        EXPECT_TRUE(file.ReadFailed());
    }
    EXPECT_EQ(machine.OpenFileCount(), 0);
}

TEST_F(FileRoutinesTest, FileWindowOpensNoMissingOrOversizedFile) {
    machine.WriteFile("C:\\big.bin", std::string(100, 'x'));
    EXPECT_TRUE(FileWindow("C:\\big.bin", 100).IsOpen());
    EXPECT_FALSE(FileWindow("C:\\big.bin", 99).IsOpen());
    EXPECT_FALSE(FileWindow("C:\\missing.bin", 100).IsOpen());
    EXPECT_EQ(machine.OpenFileCount(), 0);
}

}  // namespace
}  // namespace tavrik::vcl
