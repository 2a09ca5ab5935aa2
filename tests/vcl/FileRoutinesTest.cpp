#include "vcl/FileRoutines.h"

#include "VclTestFixture.h"

namespace tavrik::vcl {
namespace {

using FileRoutinesTest = testing::VclTest;

TEST_F(FileRoutinesTest, CreateWriteSeekReadAndClose) {
    const TFileHandle file = FileCreate("C:\\DICO.TXT");
    ASSERT_NE(file, kInvalidFileHandle);
    EXPECT_EQ(FileWrite(file, "DICO=TAVRIKfr.DBZ", 17), 17);
    EXPECT_EQ(FileSeek(file, 5, 0), 5);
    char buffer[8] = {};
    EXPECT_EQ(FileRead(file, buffer, 6), 6);
    EXPECT_EQ(std::string(buffer), "TAVRIK");
    FileClose(file);
    EXPECT_EQ(machine.OpenFileCount(), 0);
    EXPECT_EQ(machine.ReadFile("C:\\DICO.TXT"), "DICO=TAVRIKfr.DBZ");
}

TEST_F(FileRoutinesTest, FailuresReturnMinusOneAndInvalidHandlesAreHarmless) {
    EXPECT_EQ(FileOpen("C:\\missing.txt", fmOpenRead), kInvalidFileHandle);
    EXPECT_EQ(FileOpen("", fmOpenRead), kInvalidFileHandle);
    EXPECT_EQ(FileOpen("C:\\x", 3), kInvalidFileHandle);
    EXPECT_EQ(FileCreate("Q:\\nowhere.txt"), kInvalidFileHandle);
    char byte = 0;
    EXPECT_EQ(FileRead(kInvalidFileHandle, &byte, 1), -1);
    EXPECT_EQ(FileWrite(kInvalidFileHandle, &byte, 1), -1);
    EXPECT_EQ(FileSeek(kInvalidFileHandle, 0, 0), -1);
    FileClose(kInvalidFileHandle);
}

TEST_F(FileRoutinesTest, OpenModesAreHonoured) {
    machine.WriteFile("C:\\a.txt", "abc");
    const TFileHandle reader = FileOpen("C:\\a.txt", fmOpenRead | fmShareDenyNone);
    ASSERT_NE(reader, kInvalidFileHandle);
    EXPECT_EQ(FileWrite(reader, "x", 1), -1);
    FileClose(reader);
    const TFileHandle writer = FileOpen("C:\\a.txt", fmOpenWrite);
    EXPECT_EQ(FileWrite(writer, "x", 1), 1);
    FileClose(writer);
    EXPECT_EQ(machine.ReadFile("C:\\a.txt"), "xbc");
}

TEST_F(FileRoutinesTest, ExistenceDeleteAndRename) {
    machine.WriteFile("C:\\dir\\old.txt", "1");
    EXPECT_TRUE(FileExists("C:\\dir\\old.txt"));
    EXPECT_FALSE(FileExists("C:\\dir"));
    EXPECT_TRUE(DirectoryExists("C:\\dir"));
    EXPECT_FALSE(FileExists(""));
    EXPECT_TRUE(RenameFile("C:\\dir\\old.txt", "C:\\dir\\new.txt"));
    EXPECT_FALSE(FileExists("C:\\dir\\old.txt"));
    EXPECT_TRUE(DeleteFile("C:\\dir\\new.txt"));
    EXPECT_FALSE(DeleteFile("C:\\dir\\new.txt"));
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
    EXPECT_EQ(machine.OpenFileCount(), 0);
}

}  // namespace
}  // namespace tavrik::vcl
