#include "CommandLine.h"

#include <gtest/gtest.h>

#include <string>

namespace tavrik::setup {
namespace {

struct LineCase {
    const char* name;
    std::string line;
    bool silent;
    std::string response;
    std::string log;
};

class SplitCommandLineTest : public testing::TestWithParam<LineCase> {};

TEST_P(SplitCommandLineTest, FindsEachPathBetweenTheMarkers) {
    const LineCase& c = GetParam();
    const SetupArguments arguments = SplitCommandLine(c.line);
    EXPECT_EQ(c.silent, arguments.silent) << c.name;
    EXPECT_EQ(c.response, arguments.responseFile) << c.name;
    EXPECT_EQ(c.log, arguments.logFile) << c.name;
}

INSTANTIATE_TEST_SUITE_P(
    Lines, SplitCommandLineTest,
    testing::Values(
        LineCase{"WizardsInstallationLine", R"(E:\setup.exe -s -f1E:\install.iss -f2D:\setup.log)",
                 true, R"(E:\install.iss)", R"(D:\setup.log)"},
        LineCase{"MediumFolderWithSpacesUnquoted",
                 R"(C:\My Medium\setup.exe -s -f1C:\My Medium\desinst.iss -f2C:\setup.log)", true,
                 R"(C:\My Medium\desinst.iss)", R"(C:\setup.log)"},
        LineCase{"LogFolderWithSpacesAndTrailingBlanks",
                 "D:\\setup.exe -s -f1D:\\install.iss -f2C:\\Program Files\\setup.log  ", true,
                 R"(D:\install.iss)", R"(C:\Program Files\setup.log)"},
        LineCase{"SwitchesInAnotherOrderInCapitals",
                 R"("D:\setup.exe" -F2C:\s.log -S -F1D:\a b\install.iss)", true,
                 R"(D:\a b\install.iss)", R"(C:\s.log)"},
        LineCase{"QuotedValuesLoseTheirQuotes",
                 R"(setup.exe -s -f1"C:\a b\install.iss" -f2"C:\setup.log")", true,
                 R"(C:\a b\install.iss)", R"(C:\setup.log)"},
        LineCase{"DashSInsideAWordIsNoSwitch",
                 R"(C:\x -sub\setup.exe -f1C:\x -sub\install.iss -f2C:\setup.log)", false,
                 R"(C:\x -sub\install.iss)", R"(C:\setup.log)"},
        LineCase{"NoLogSwitch", R"(D:\setup.exe -s -f1D:\install.iss)", true, R"(D:\install.iss)",
                 ""},
        LineCase{"NoSwitchAtAll", R"(D:\setup.exe)", false, "", ""},
        LineCase{"EmptyValues", "setup.exe -s -f1 -f2", true, "", ""}),
    [](const auto& line) { return std::string(line.param.name); });

}  // namespace
}  // namespace tavrik::setup
