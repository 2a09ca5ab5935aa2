#include "vcl/IniFile.h"

#include "VclTestFixture.h"

namespace tavrik::vcl {
namespace {

using IniFileTest = testing::VclTest;

TEST_F(IniFileTest, ReadsStringsAndDefaultsThroughTheMachine) {
    machine.WriteFile("C:\\tavrik.ini",
                      "[RVS]\r\nSERVEUR_RVS_FLAG=C:\\flag.txt\r\n[INSTALL]\r\nNAME=Suite\r\n");
    TIniFile ini(".\\tavrik.ini");
    EXPECT_EQ(ini.ReadString("RVS", "SERVEUR_RVS_FLAG", ""), "C:\\flag.txt");
    EXPECT_EQ(ini.ReadString("RVS", "ENABLE_MAJ_CLIENT_RVS", "none"), "none");
    EXPECT_EQ(ini.ReadString("MISSING", "NAME", "d"), "d");
    TIniFile missing(".\\nothing.ini");
    EXPECT_EQ(missing.ReadString("INSTALL", "NAME", "x"), "x");
}

TEST_F(IniFileTest, ReadIntegerConvertsOrFallsBackToTheDefault) {
    machine.WriteFile(
        "C:\\n.ini",
        "[N]\r\nA=42\r\nB=-7\r\nC=$1F\r\nD=0x10\r\nE=12abc\r\nF=\r\nG=99999999999\r\n");
    TIniFile ini(".\\n.ini");
    EXPECT_EQ(ini.ReadInteger("N", "A", 0), 42);
    EXPECT_EQ(ini.ReadInteger("N", "B", 0), -7);
    EXPECT_EQ(ini.ReadInteger("N", "C", 0), 31);
    EXPECT_EQ(ini.ReadInteger("N", "D", 0), 16);
    EXPECT_EQ(ini.ReadInteger("N", "E", 5), 5);
    EXPECT_EQ(ini.ReadInteger("N", "F", 6), 6);
    EXPECT_EQ(ini.ReadInteger("N", "G", 7), 7);
    EXPECT_EQ(ini.ReadInteger("N", "missing", 8), 8);
    EXPECT_TRUE(ini.ReadBool("N", "A", false));
    EXPECT_FALSE(ini.ReadBool("N", "missing", false));
}

TEST(StrToInt, FrameworkConversionRules) {
    int v = 0;
    EXPECT_TRUE(TryStrToInt("  12", v));
    EXPECT_EQ(v, 12);
    EXPECT_FALSE(TryStrToInt("12 ", v));
    EXPECT_FALSE(TryStrToInt("-", v));
    EXPECT_FALSE(TryStrToInt("$", v));
    EXPECT_TRUE(TryStrToInt("2147483647", v));
    EXPECT_FALSE(TryStrToInt("2147483648", v));
    EXPECT_TRUE(TryStrToInt("-2147483648", v));
    EXPECT_EQ(v, -2147483647 - 1);
    EXPECT_TRUE(TryStrToInt("$FFFFFFFF", v));
    EXPECT_EQ(v, -1);
    EXPECT_FALSE(TryStrToInt("$100000000", v));
    EXPECT_EQ(StrToIntDef("abc", -3), -3);
}

}  // namespace
}  // namespace tavrik::vcl
