// Reading INI files: sections and keys without regard to case, values of
// any length, defaults, and where a relative name is looked for.
#include "ConformanceSupport.h"

namespace tavrik::conformance {
namespace {

using IniCases = MachineCase;

TEST_F(IniCases, ValuesOfAnyLengthReadWhole) {
    const std::string boundary(255, 'b');  // exactly fills a first buffer of 256
    const std::string longValue(5000, 'l');
    ASSERT_TRUE(WriteWholeFile(At("app.ini"), "[INSTALL]\r\nBoundary=" + boundary + "\r\nLong=" +
                                                  longValue + "\r\nName = Tavrik \r\n"));
    const std::string ini = At("app.ini");
    EXPECT_EQ(boundary, machine.ReadIniString(ini, "INSTALL", "Boundary", ""));
    EXPECT_EQ(longValue, machine.ReadIniString(ini, "install", "LONG", ""));
    EXPECT_EQ("Tavrik", machine.ReadIniString(At("APP.INI"), "INSTALL", "name", ""));
    EXPECT_EQ("default", machine.ReadIniString(ini, "INSTALL", "Missing", "default"));
    EXPECT_EQ("default", machine.ReadIniString(At("none.ini"), "A", "B", "default"));
    EXPECT_EQ(longValue, machine.ReadIniString(At("none.ini"), "A", "B", longValue));
}

TEST_F(IniCases, ADotPathReadsTheCurrentFolderABareNameTheWindowsFolder) {
    const std::string bare = "tavrik-conformance.ini";
    ASSERT_TRUE(WriteWholeFile(At(bare), "[INSTALL]\nNAME=Brendol\n"));
    ASSERT_TRUE(WriteWholeFile("C:\\WINDOWS\\" + bare, "[INSTALL]\nNAME=FromWindows\n"));
    CurrentSetup().ChangeDirectory(Folder());
    EXPECT_EQ(machine.ReadIniString(".\\" + bare, "install", "name", ""), "Brendol");
    EXPECT_EQ(machine.ReadIniString(bare, "install", "name", ""), "FromWindows");
    EXPECT_EQ(machine.ReadIniString(".\\missing.ini", "install", "name", "dflt "), "dflt");
    machine.RemoveFile("C:\\WINDOWS\\" + bare);
}

}  // namespace
}  // namespace tavrik::conformance
