#include "platform/fake/IniParser.h"

#include <gtest/gtest.h>

namespace tavrik::platform {
namespace {

TEST(IniParser, NamesIgnoreCaseAndBlanksAroundKeysAndValuesGo) {
    const std::string ini =
        "[RVS]\r\n"
        "  SERVEUR_RVS_FLAG  =  C:\\flag.txt \t\r\n"
        "\t[ Install ]\n"
        "Name=Brendol\n";
    EXPECT_EQ(ReadIniValue(ini, "rvs", "serveur_rvs_flag", "-"), "C:\\flag.txt");
    EXPECT_EQ(ReadIniValue(ini, " INSTALL ", "NAME ", "-"), "Brendol");
}

TEST(IniParser, MatchingOuterQuotesAreRemovedOnce) {
    const std::string ini =
        "[S]\n"
        "double=\"  spaced  \"\n"
        "single='x'\n"
        "mixed=\"x'\n"
        "inner=\"a\" and \"b\"\n"
        "lone=\"\n";
    EXPECT_EQ(ReadIniValue(ini, "S", "double", ""), "  spaced  ");
    EXPECT_EQ(ReadIniValue(ini, "S", "single", ""), "x");
    EXPECT_EQ(ReadIniValue(ini, "S", "mixed", ""), "\"x'");
    EXPECT_EQ(ReadIniValue(ini, "S", "inner", ""), "a\" and \"b");
    EXPECT_EQ(ReadIniValue(ini, "S", "lone", ""), "\"");
}

TEST(IniParser, FirstSectionAndFirstKeyWin) {
    const std::string ini =
        "[A]\n"
        "k=first\n"
        "K=second\n"
        "[B]\n"
        "k=other\n"
        "[a]\n"
        "k=third\n"
        "only=in second A\n";
    EXPECT_EQ(ReadIniValue(ini, "A", "k", "-"), "first");
    EXPECT_EQ(ReadIniValue(ini, "A", "only", "-"), "-");  // later sections are not searched
    EXPECT_EQ(ReadIniValue(ini, "B", "K", "-"), "other");
}

TEST(IniParser, MissingThingsYieldTheDefaultWithoutTrailingBlanks) {
    const std::string ini =
        "orphan=before any section\n"
        "[S]\n"
        ";commented=1\n"
        "novalue\n"
        "empty=\n";
    EXPECT_EQ(ReadIniValue(ini, "S", "commented", "d"), "d");
    EXPECT_EQ(ReadIniValue(ini, "S", ";commented", "d"), "d");
    EXPECT_EQ(ReadIniValue(ini, "S", "novalue", "d"), "d");
    EXPECT_EQ(ReadIniValue(ini, "S", "empty", "d"), "");  // present but empty
    EXPECT_EQ(ReadIniValue(ini, "", "orphan", "d"), "d");
    EXPECT_EQ(ReadIniValue(ini, "Missing", "k", "FALSE  "), "FALSE");
    EXPECT_EQ(ReadIniValue("", "S", "k", "  keep leading"), "  keep leading");
}

TEST(IniParser, BytesStayAsTheyAreWhateverTheLineEnds) {
    const std::string ini =
        "[Langue]\rFR=Fran\xE7"
        "ais\r[Next]\nRU=\xD0\xF3\xF1\xF1\xEA\xE8\xE9";
    EXPECT_EQ(ReadIniValue(ini, "langue", "fr", ""),
              "Fran\xE7"
              "ais");
    EXPECT_EQ(ReadIniValue(ini, "next", "ru", ""), "\xD0\xF3\xF1\xF1\xEA\xE8\xE9");
}

}  // namespace
}  // namespace tavrik::platform
