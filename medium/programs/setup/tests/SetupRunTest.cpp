#include "SetupRun.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "MemorySetupHost.h"

namespace tavrik::setup {
namespace {

using test::MemorySetupHost;
using Events = std::vector<std::string>;

constexpr const char* kInstallLine = R"(D:\setup.exe -s -f1D:\install.iss -f2C:\setup.log)";
constexpr const char* kCopy = R"(copy D:\BRENDOL\ to C:\APP\BRENDOL\)";
constexpr const char* kRemove = R"(remove C:\APP\BRENDOL\)";

std::string LogText(int code, const std::string& action, const std::string& message) {
    return "[ResponseResult]\r\nResultCode=" + std::to_string(code) + "\r\nAction=" + action +
           "\r\nMessage=" + message + "\r\n";
}

// install.iss with Action and the given extra lines, no pause between steps.
void Respond(MemorySetupHost& host, const std::string& action, int steps) {
    host.SetIni(R"(D:\install.iss)", "Setup", "Action", action);
    host.SetIni(R"(D:\install.iss)", "Progress", "Steps", std::to_string(steps));
    host.SetIni(R"(D:\install.iss)", "Progress", "StepMs", "0");
}

int RunSetup(MemorySetupHost& host, const std::string& line = kInstallLine) {
    try {
        return RunSetupProgram(line, host);
    } catch (const test::Crashed&) {
        return 1;  // the process would end here
    }
}

TEST(SetupRunTest, AnInstallationCopiesHalfwayAndReportsSuccess) {
    MemorySetupHost host;
    Respond(host, "install", 4);
    host.SetIni(R"(D:\install.iss)", "Progress", "StepMs", "300");
    EXPECT_EQ(0, RunSetup(host));
    EXPECT_EQ((Events{"marker 1", "taken", "marker 2", "taken", kCopy, "marker 3", "taken",
                      "marker 4", "taken", "Install=0"}),
              host.events);
    EXPECT_EQ(4u * 300 + 4 * 20, host.clock) << "each step pauses, then waits one poll";
    EXPECT_EQ(
        (std::vector<std::string>{
            LogText(-6, "install", "started, not finished"),
            LogText(0, "install", R"(installed 3 files from D:\BRENDOL\ into C:\APP\BRENDOL\)")}),
        host.writes[R"(C:\setup.log)"]);
}

struct RunCase {
    const char* name;
    const char* action;
    const char* outcome;
    const char* hangSeconds;
    void (*arrange)(MemorySetupHost&);
    Events events;
    int code;             // in the log at the end
    std::string message;  // empty: the log keeps "not finished"
};

class SetupRunCaseTest : public testing::TestWithParam<RunCase> {};

TEST_P(SetupRunCaseTest, DoesTheWorkOrTheFaultHalfway) {
    const RunCase& c = GetParam();
    MemorySetupHost host;
    Respond(host, c.action, 2);
    host.SetIni(R"(D:\install.iss)", "Faults", "Outcome", c.outcome);
    host.SetIni(R"(D:\install.iss)", "Faults", "HangSeconds", c.hangSeconds);
    if (c.arrange) c.arrange(host);
    const int code = RunSetup(host);
    EXPECT_EQ(c.events, host.events);
    const std::string expectedInstall = c.code == 0 ? "0" : "1";
    EXPECT_EQ(expectedInstall, host.product["Install"]);
    const std::string log = host.writes[R"(C:\setup.log)"].back();
    if (c.message.empty()) {
        EXPECT_EQ(LogText(-6, c.action, "started, not finished"), log);
    } else {
        EXPECT_EQ(c.code, code);
        EXPECT_EQ(LogText(c.code, c.action, c.message), log);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Runs, SetupRunCaseTest,
    testing::Values(
        RunCase{"Failure",
                "install",
                "fail",
                "0",
                nullptr,
                {"marker 1", "taken"},
                -1,
                "failed as the response file asks ([Faults] Outcome=fail)"},
        RunCase{"Crash", "install", "crash", "0", nullptr, {"marker 1", "taken", "crash"}, -6, ""},
        RunCase{"Hang",
                "install",
                "success",
                "3",
                nullptr,
                {"marker 1", "taken", "pause 3000", kCopy, "marker 2", "taken", "Install=0"},
                0,
                R"(installed 3 files from D:\BRENDOL\ into C:\APP\BRENDOL\)"},
        RunCase{"PathInstallWithBackslash",
                "install",
                "success",
                "0",
                [](MemorySetupHost& host) { host.product["PathInstall"] = "C:\\"; },
                {"marker 1", "taken", kCopy, "marker 2", "taken", "Install=0"},
                0,
                R"(installed 3 files from D:\BRENDOL\ into C:\APP\BRENDOL\)"},
        RunCase{
            "MarkerCannotBeWritten",
            "install",
            "success",
            "0",
            [](MemorySetupHost& host) { host.unwritable.insert(R"(C:\PGB_Avance.ini)"); },
            {kCopy, "Install=0"},
            0,
            R"(installed 3 files from D:\BRENDOL\ into C:\APP\BRENDOL\; nobody took the progress marker)"},
        RunCase{"CopyFails",
                "install",
                "success",
                "0",
                [](MemorySetupHost& host) { host.copyError = "cannot copy brendolx.dll"; },
                {"marker 1", "taken", kCopy},
                -5,
                "cannot copy brendolx.dll"},
        RunCase{
            "InstallCannotBeWritten",
            "install",
            "success",
            "0",
            [](MemorySetupHost& host) { host.installWritable = false; },
            {"marker 1", "taken", kCopy, "marker 2", "taken"},
            -5,
            R"(installed 3 files from D:\BRENDOL\ into C:\APP\BRENDOL\, but Install=0 could not be written)"},
        RunCase{"Removal",
                "remove",
                "success",
                "0",
                [](MemorySetupHost& host) { host.folders.insert(R"(C:\APP\BRENDOL\)"); },
                {"marker 1", "taken", kRemove, "marker 2", "taken", "Install=0"},
                0,
                R"(removed C:\APP\BRENDOL\)"},
        RunCase{"RemovalOfNothing",
                "remove",
                "success",
                "0",
                [](MemorySetupHost& host) { host.RemoveFile(R"(D:\BRENDOL\applic.ini)"); },
                {"marker 1", "taken", "marker 2", "taken", "Install=0"},
                0,
                R"(nothing to remove: no folder C:\APP\BRENDOL\)"},
        RunCase{"RemovalFails",
                "remove",
                "success",
                "0",
                [](MemorySetupHost& host) {
                    host.folders.insert(R"(C:\APP\BRENDOL\)");
                    host.removeError = "cannot delete brendolx.dll";
                },
                {"marker 1", "taken", kRemove},
                -5,
                "cannot delete brendolx.dll"}),
    [](const auto& run) { return std::string(run.param.name); });

TEST(SetupRunTest, WithNobodyWatchingOnlyTheFirstMarkerIsWaitedForAndItsLeftOverGoes) {
    MemorySetupHost host;
    host.watching = false;
    Respond(host, "install", 4);
    host.SetIni(R"(D:\install.iss)", "Progress", "MarkerWaitMs", "500");
    EXPECT_EQ(0, RunSetup(host));
    EXPECT_EQ((Events{"marker 1", kCopy, R"(delete C:\PGB_Avance.ini)", "Install=0"}), host.events);
    EXPECT_EQ(500u, host.clock);
    EXPECT_EQ(
        LogText(
            0, "install",
            R"(installed 3 files from D:\BRENDOL\ into C:\APP\BRENDOL\; nobody took the progress marker)"),
        host.writes[R"(C:\setup.log)"].back());
}

struct RefusalCase {
    const char* name;
    std::string line;
    void (*arrange)(MemorySetupHost&);
    int code;
    std::string action;
    std::string message;
    std::string log;
};

class SetupRefusalTest : public testing::TestWithParam<RefusalCase> {};

TEST_P(SetupRefusalTest, DoesNothingAndSaysWhyInTheLog) {
    const RefusalCase& c = GetParam();
    MemorySetupHost host;
    Respond(host, "install", 2);
    if (c.arrange) c.arrange(host);
    EXPECT_EQ(c.code, RunSetup(host, c.line));
    EXPECT_TRUE(host.events.empty());
    EXPECT_EQ("1", host.product["Install"]);
    EXPECT_EQ(LogText(c.code, c.action, c.message), host.writes[c.log].back());
}

INSTANTIATE_TEST_SUITE_P(
    Requests, SetupRefusalTest,
    testing::Values(
        RefusalCase{"NoResponseSwitchAndNoLogSwitch", R"(D:\setup.exe -s)", nullptr, -2, "none",
                    "no response file: the command line has no -f1<path>", R"(C:\TEMP\setup.log)"},
        RefusalCase{"MissingResponseFile", R"(D:\setup.exe -s -f1other.iss -f2C:\setup.log)",
                    nullptr, -2, "none", R"(cannot read the response file D:\other.iss)",
                    R"(C:\setup.log)"},
        RefusalCase{
            "BadValue", kInstallLine,
            [](MemorySetupHost& host) {
                host.SetIni(R"(D:\install.iss)", "Progress", "Steps", "many");
            },
            -2, "none",
            R"(response file D:\install.iss: [Progress] Steps=many is not a whole number from 0 to 100)",
            R"(C:\setup.log)"},
        RefusalCase{"NoPathInstall", kInstallLine,
                    [](MemorySetupHost& host) { host.product.erase("PathInstall"); }, -3, "install",
                    R"(no PathInstall value in HKLM\SOFTWARE\NORVA\BRENDOL_PC)", R"(C:\setup.log)"},
        RefusalCase{
            "NoApplicationName", kInstallLine,
            [](MemorySetupHost& host) { host.SetIni(R"(D:\tavrik.ini)", "INSTALL", "NAME", ""); },
            -4, "install", R"(no [INSTALL] NAME in D:\tavrik.ini)", R"(C:\setup.log)"},
        RefusalCase{"NoApplicationOnTheMedium", kInstallLine,
                    [](MemorySetupHost& host) { host.RemoveFile(R"(D:\BRENDOL\applic.ini)"); }, -4,
                    "install", R"(no application on the medium: D:\BRENDOL\applic.ini is missing)",
                    R"(C:\setup.log)"}),
    [](const auto& refusal) { return std::string(refusal.param.name); });

}  // namespace
}  // namespace tavrik::setup
