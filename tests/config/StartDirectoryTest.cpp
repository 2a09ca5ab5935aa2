#include <gtest/gtest.h>

#include "config/IniFile.h"
#include "config/StartDirectory.h"
#include "platform/fake/FakeMachine.h"
#include "platform/fake/ScopedCurrentMachine.h"

namespace tavrik {
namespace {

using platform::FakeMachine;

class StartDirectoryTest : public ::testing::Test {
protected:
    FakeMachine machine;
    platform::ScopedCurrentMachine installed{machine};
};

TEST_F(StartDirectoryTest, ADriveRootKeepsItsSingleBackslash) {
    machine.AddDrive('E', platform::kDriveCdRom);
    machine.SetCurrentDirectory("E:\\");
    EXPECT_EQ(StartDirectory(), "E:\\");
}

TEST_F(StartDirectoryTest, AFolderGetsOneBackslashAppended) {
    machine.AddDirectory("C:\\Medium");
    machine.SetCurrentDirectory("C:\\Medium");
    EXPECT_EQ(StartDirectory(), "C:\\Medium\\");
}

TEST_F(StartDirectoryTest, LongPathsWithSpacesAndHighBytesWork) {
    std::string folder = "C:";
    for (int i = 0; i < 8; ++i) {
        folder += "\\Dossier d'installation \xe9t\xe9 " + std::to_string(i);
    }
    ASSERT_GT(folder.size(), 200u);
    machine.AddDirectory(folder);
    machine.SetCurrentDirectory(folder);
    EXPECT_EQ(StartDirectory(), folder + "\\");
}

TEST_F(StartDirectoryTest, IniValuesReadRelativeToTheStartDirectory) {
    machine.AddDrive('E', platform::kDriveCdRom);
    machine.WriteFile("E:\\ap.ini",
                      "[INSTALL]\r\nINDEPENDANT=true\r\nTITRE = Installation Solvane \r\n");
    machine.SetCurrentDirectory("E:\\");

    EXPECT_EQ(ReadIniString(".\\ap.ini", "INSTALL", "INDEPENDANT", "FALSE"), "true");
    EXPECT_EQ(ReadIniString(StartDirectory() + "ap.ini", "install", "titre", ""),
              "Installation Solvane");
    EXPECT_EQ(ReadIniString(".\\ap.ini", "INSTALL", "TITRE_INDEPENDANT", ""), "");
    EXPECT_EQ(ReadIniString(".\\ap.ini", "APPLICATION", "PATH", "dflt"), "dflt");
    EXPECT_EQ(ReadIniString(".\\missing.ini", "INSTALL", "INDEPENDANT", "FALSE"), "FALSE");
}

}  // namespace
}  // namespace tavrik
