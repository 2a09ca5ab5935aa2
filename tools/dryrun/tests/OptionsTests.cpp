#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tools/dryrun/Options.h"

namespace tavrik::dryrun {
namespace {

std::vector<std::string> With(std::vector<std::string> extra) {
    std::vector<std::string> arguments = {"MEDIUM", "--machine", "PC.reg"};
    arguments.insert(arguments.end(), extra.begin(), extra.end());
    return arguments;
}

TEST(DryRunOptions, ThePcAndTheTechniciansChoices) {
    const Options options = ParseOptions(With({"--windows",      "2000",      "--system-language",
                                               "040C",           "--power",   "battery",
                                               "--drive",        "e:",        "--drive",
                                               "C:\\",           "--running", "QXM.exe",
                                               "--choice",       "remove",    "--licence",
                                               "refuse",         "--volume",  "E:",
                                               "--rights",       "user",      "--file",
                                               "C:\\a.ini=a.ini"}));
    EXPECT_EQ(options.medium, "MEDIUM");
    EXPECT_EQ(options.machineFile, "PC.reg");
    EXPECT_EQ(options.windowsMinor, 0u);
    EXPECT_EQ(options.systemLanguage, "fr");
    EXPECT_EQ(options.power, Power::Battery);
    EXPECT_EQ(options.fixedDrives, (std::vector<char>{'C', 'E'}));
    EXPECT_EQ(options.running, (std::vector<std::string>{"QXM.exe"}));
    EXPECT_TRUE(options.remove);
    EXPECT_TRUE(options.registryDenied);
    EXPECT_FALSE(options.acceptLicence);
    EXPECT_EQ(options.volume, 'E');
    ASSERT_EQ(options.files.size(), 1u);
    EXPECT_EQ(options.files[0].first, "C:\\a.ini");
}

class DryRunBadOptions : public ::testing::TestWithParam<std::vector<std::string>> {};

TEST_P(DryRunBadOptions, AreRefusedWithAMessage) {
    EXPECT_THROW(ParseOptions(GetParam()), OptionError);
}

// What each program does: by its file name or its script's, the default
// for the others, and the setup's outcome.
TEST(DryRunProgramOutcomes, AnswerEachCommandLine) {
    const Options options =
        ParseOptions(With({"--exit", "CompMark.exe=0", "--exit", "-1", "--exit", "updateqxd.vbs=2",
                           "--setup", "fail", "--exit", "compmark.exe=5"}));
    struct Case {
        const char* commandLine;
        std::uint32_t exitCode;
        bool isSetup;
    };
    const Case cases[] = {
        {"D:\\COMPST\\GB\\compmark.exe /name=viewer", 5, false},  // the last one of a name
        {"cscript.exe updateqxd.vbs //Nologo //B", 2, false},
        {"D:\\setup.exe -s -f1D:\\install.iss", 0xFFFFFFFFu, true},
        {"D:\\COMPST\\other.exe", 0xFFFFFFFFu, false},
    };
    for (const Case& c : cases) {
        const auto outcome = OutcomeOf(options.programs, c.commandLine);
        ASSERT_TRUE(outcome.has_value()) << c.commandLine;
        EXPECT_EQ(outcome->exitCode, c.exitCode) << c.commandLine;
        EXPECT_EQ(outcome->isSetup, c.isSetup) << c.commandLine;
        EXPECT_FALSE(outcome->setupSucceeds && c.isSetup) << c.commandLine;
    }
    EXPECT_FALSE(OutcomeOf(ParseOptions(With({"--exit", "a.exe=0"})).programs, "b.exe"));
    const auto setup = OutcomeOf(ParseOptions(With({"--exit", "0"})).programs, "D:\\setup.exe -s");
    ASSERT_TRUE(setup.has_value());
    EXPECT_TRUE(setup->setupSucceeds);
}

INSTANTIATE_TEST_SUITE_P(
    Refused, DryRunBadOptions,
    ::testing::Values(std::vector<std::string>{"MEDIUM"},
                      std::vector<std::string>{"--machine", "PC.reg"}, With({"EXTRA"}),
                      With({"--power"}), With({"--power", "solar"}), With({"--windows", "11"}),
                      With({"--system-language", "FFFF"}), With({"--drive", "CD"}),
                      With({"--drive", "D:"}), With({"--choice", "update"}),
                      With({"--rights", "root"}), With({"--file", "=x"}), With({"--bogus", "1"}),
                      With({"--exit", "x"}), With({"--exit", "=1"}), With({"--exit", "a.exe=b"}),
                      With({"--exit", "4294967296"}), With({"--setup", "maybe"})));

}  // namespace
}  // namespace tavrik::dryrun
