#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "app/ProgramState.h"
#include "app/WizardFixture.h"
#include "config/Registry.h"

namespace tavrik::testing {
namespace {

const char* const kCheckScript = "c:\\app\\qxdiag\\qxd.bat check >nul";

class RunningApplicationsTest : public WizardTest {
protected:
    void SetUp() override {
        machine.AddDirectory("C:\\app\\qxdiag");
        ServiceAnswers(0);
        PutOnMedium("assoAppliFenetre.ini", "[NOM_FENETRE]\r\ndremox.exe=DREMOX\r\n");
        machine.SetTopWindows({"Tavrik"});
        StartWizard();
    }
    void ServiceAnswers(std::uint32_t code) {
        platform::ProcessScript script;
        script.exitCode = code;
        machine.ScriptProcess(kCheckScript, script);
    }
    std::string Check() {
        std::string text = "before\n";
        last = Form().CheckRunningApplications(text);
        return text;
    }
    std::size_t CountStartsOf(const std::string& commandLine, std::size_t from) const {
        const auto& all = machine.ProcessStarts();
        return static_cast<std::size_t>(std::count_if(
            all.begin() + static_cast<long>(from), all.end(),
            [&](const platform::ProcessStart& start) { return start.commandLine == commandLine; }));
    }
    bool last = false;
};

TEST_F(RunningApplicationsTest, NothingRunningGivesNoLine) {
    EXPECT_EQ(Check(), "before\n");
    EXPECT_FALSE(last);
    EXPECT_EQ(machine.OpenHandleCount(), 0);
}

TEST_F(RunningApplicationsTest, TheServiceScriptRunsHiddenInItsFolderAndThirteenMeansRunning) {
    ServiceAnswers(13);
    EXPECT_EQ(Check(), "before\nSolvane Diagnostic\n");
    EXPECT_TRUE(last);
    const auto& start = machine.ProcessStarts().back();
    EXPECT_EQ(start.commandLine, kCheckScript);
    EXPECT_TRUE(start.options.hidden);
    EXPECT_EQ(start.options.currentDirectory, "c:\\app\\qxdiag\\");

    ServiceAnswers(12);
    EXPECT_EQ(Check(), "before\n");
    EXPECT_EQ(machine.OpenHandleCount(), 0);
}

TEST_F(RunningApplicationsTest, LinesComeInTheirFixedOrderWhateverTheStartOrder) {
    ServiceAnswers(13);
    machine.SetProcessSnapshot({"webnav.exe", "lumio32.exe", "ntvdm.exe", "QXM.exe"});
    machine.SetTopWindows({"Tavrik", "Atelier DREMOX"});
    EXPECT_EQ(Check(), "before\nSolvane 2000\nSolvane Measure\n" + State.ExtraAppLabel +
                           "\nSolvane Diagnostic\nSolvane Office\n");
    EXPECT_EQ(State.ExtraAppLabel, "THESAUFR#122270");
}

TEST_F(RunningApplicationsTest, MeasureAndOfficeInEitherStartOrder) {
    machine.SetProcessSnapshot({"webnav.exe", "QXM.exe"});
    EXPECT_EQ(Check(), "before\nSolvane Measure\nSolvane Office\n");
    machine.SetProcessSnapshot({"QXM.exe", "webnav.exe"});
    EXPECT_EQ(Check(), "before\nSolvane Measure\nSolvane Office\n");
}

TEST_F(RunningApplicationsTest, OnAnElnaPlatformTheBrowserDoesNotCount) {
    State.IsElnaPlatform = true;
    machine.SetProcessSnapshot({"webnav.exe"});
    EXPECT_EQ(Check(), "before\n");
    EXPECT_FALSE(last);
}

TEST_F(RunningApplicationsTest, TheAppRunningKeySwitchesTheWholeCheckOff) {
    ServiceAnswers(13);
    machine.SetProcessSnapshot({"QXM.exe"});
    machine.CreateRegistryKey(std::string(kProductKey) + "\\APP_Running");
    const std::size_t starts = machine.ProcessStarts().size();
    EXPECT_EQ(Check(), "before\n");
    EXPECT_FALSE(last);
    EXPECT_EQ(machine.ProcessStarts().size(), starts);  // the script is not run
}

TEST_F(RunningApplicationsTest, WithoutTheWindowTitleFileThe16BitProgramIsNeverReported) {
    RemoveFromMedium("assoAppliFenetre.ini");
    machine.SetProcessSnapshot({"NTVDM.EXE"});
    machine.SetTopWindows({"Tavrik", "Atelier DREMOX", "anything"});
    EXPECT_EQ(Check(), "before\n");
}

TEST_F(RunningApplicationsTest, AMissingOrEmptyTitleKeyNeverReportsThe16BitProgram) {
    machine.SetProcessSnapshot({"NTVDM.EXE"});
    machine.SetTopWindows({"Tavrik", "Atelier DREMOX", "anything"});
    for (const char* ini :
         {"[NOM_FENETRE]\r\ndremox=DREMOX\r\n", "[FENETRES]\r\ndremox.exe=DREMOX\r\n",
          "[NOM_FENETRE]\r\ndremox.exe=\r\n"}) {
        PutOnMedium("assoAppliFenetre.ini", ini);
        EXPECT_EQ(Check(), "before\n") << ini;
        EXPECT_FALSE(last) << ini;
    }
}

TEST_F(RunningApplicationsTest, AScriptThatCannotStartCountsAsStopped) {
    ServiceAnswers(13);
    std::filesystem::remove_all(machine.HostPath("C:\\app"));  // the suite is not there
    EXPECT_EQ(Check(), "before\n");
    EXPECT_FALSE(last);
    EXPECT_FALSE(machine.ProcessStarts().back().started);
    EXPECT_EQ(State.SetupProcessInfo.process, platform::kNoHandle);
}

TEST_F(RunningApplicationsTest, AFailedSnapshotCountsAsNotRunning) {
    machine.SetProcessSnapshot({"QXM.exe"});
    machine.SetProcessSnapshotFails(true);
    EXPECT_EQ(Check(), "before\n");
}

TEST_F(RunningApplicationsTest, ThePageListsWhatRunsBetweenItsTwoPhrases) {
    machine.SetProcessSnapshot({"QXM.exe"});
    Form().ShowPage(kPageRunningApplications);
    EXPECT_EQ(Form().TextePageArretAppli->Caption(),
              "THESAUFR#125088. \nSolvane Measure\n\n\nTHESAUFR#93411. ");
    EXPECT_EQ(Form().TextePageArretAppli->Font().Color(), 0x873D21);
    EXPECT_EQ(TraceLines().back(), "PageArretAppliShow");
}

TEST_F(RunningApplicationsTest, ValidateWaitsUntilEverythingHasEnded) {
    machine.SetProcessSnapshot({"QXM.exe", "lumio32.exe"});
    Form().ShowPage(kPageRunningApplications);
    machine.SetProcessSnapshot({"lumio32.exe"});
    Click(Form().SpeedButtonPageArretAppli);
    EXPECT_EQ(Page(), kPageRunningApplications);
    EXPECT_EQ(Form().TextePageArretAppli->Caption(),
              "THESAUFR#125088. \nTHESAUFR#122270\n\n\nTHESAUFR#93411. ");

    machine.SetProcessSnapshot({});
    Click(Form().SpeedButtonPageArretAppli);
    EXPECT_EQ(Page(), kPageLanguageChoice);
}

// A check script that never ends cannot say the service stopped: after the
// bound it counts as running, the window answered all along, and a second
// press during the wait started no second check.
TEST_F(RunningApplicationsTest, AScriptThatNeverEndsCountsAsRunningAfterTheBound) {
    machine.SetEnvironmentVariable("TAVRIK_CHILD_WAIT_SECONDS", "1");
    platform::ProcessScript hangs;
    hangs.keepsRunning = true;
    hangs.endsWhenWaited = false;
    machine.ScriptProcess(kCheckScript, hangs);
    const std::size_t starts = machine.ProcessStarts().size();
    const int answeredBefore = host.ProcessMessagesCalls();
    host.Post([this] { Click(Form().SpeedButtonValide_PageRecom); });

    Click(Form().SpeedButtonValide_PageRecom);

    EXPECT_GE(host.ProcessMessagesCalls() - answeredBefore, 10);  // 1 s of 100 ms slices
    EXPECT_EQ(Page(), kPageRunningApplications);
    EXPECT_NE(Form().TextePageArretAppli->Caption().find("Solvane Diagnostic"), std::string::npos);
    EXPECT_EQ(CountStartsOf(kCheckScript, starts), 2u);  // the press, then the page's show
    const auto lines = TraceLines();
    EXPECT_EQ(std::count(lines.begin(), lines.end(),
                         std::string("programme non termine apres 1 s : ") + kCheckScript),
              2);
    EXPECT_TRUE(machine.HungWaits().empty());
}

TEST_F(RunningApplicationsTest, ReturnDoesNothingAndF1Closes) {
    machine.SetProcessSnapshot({"QXM.exe"});
    Form().ShowPage(kPageRunningApplications);
    machine.SetProcessSnapshot({});
    Press(kKeyReturn);
    EXPECT_EQ(Page(), kPageRunningApplications);
    Press(kKeyF1);
    EXPECT_TRUE(Closed());
}

class AfterRestartTest : public RunningApplicationsTest {
protected:
    void SetUp() override {
        machine.AddDirectory("C:\\app\\qxdiag");
        ServiceAnswers(0);
        StartResumedWizard();
    }
};

TEST_F(AfterRestartTest, ValidateWithNothingRunningGoesStraightToTheWork) {
    Form().ShowPage(kPageRunningApplications);
    Click(Form().SpeedButtonPageArretAppli);
    EXPECT_EQ(Page(), kPageInstallInProgress);
}

}  // namespace
}  // namespace tavrik::testing
