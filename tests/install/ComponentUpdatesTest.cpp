// The component pass of an installation: which components run, from where
// and how, the update script's result and the hand-over to the setup.
#include <gtest/gtest.h>

#include <algorithm>
#include <stdexcept>
#include <string>
#include <vector>

#include "ProgressFixture.h"
#include "app/ProgramState.h"

namespace tavrik::testing {
namespace {

std::string P(long number, bool period = true) {
    return ScriptedPhrase("THESAUFR", number) + (period ? ". " : "");
}

class ComponentTest : public ProgressTest {
protected:
    void SetUp() override {
        ProgressTest::SetUp();
        PutOnMedium("COMPST\\comp.exe", "MZ");
        PutOnMedium("COMPST\\FR\\comp.exe", "MZ");
        machine.ScriptProcessMatching(
            [](const std::string& line) { return line.find("\\COMPST\\") != std::string::npos; },
            {});
    }
    // The components started by one installation pass, in order.
    std::vector<platform::ProcessStart> RunPass(const std::string& section) {
        Components(section);
        const std::size_t before = machine.ProcessStarts().size();
        ShowProgressPage(true);
        TickComponents();
        std::vector<platform::ProcessStart> components;
        for (std::size_t i = before; i < machine.ProcessStarts().size(); ++i) {
            const auto& start = machine.ProcessStarts()[i];
            if (start.commandLine.find("\\COMPST\\") != std::string::npos) {
                components.push_back(start);
            }
        }
        EXPECT_NE(LastStartOf(kUpdateScript), nullptr);  // the script runs after any list
        return components;
    }
};

const char* const kCompst = "E:\\COMPST\\";
const char* const kOne = "E:\\COMPST\\comp.exe /a b\n";

struct ComponentRow {
    const char* name;
    std::string section;
    bool volumeChosen;
    std::string started;           // command lines, one a line, in order
    const char* folder = kCompst;  // of the first one
    bool hidden = false;
};

class ComponentTableTest : public ComponentTest,
                           public ::testing::WithParamInterface<ComponentRow> {};

TEST_P(ComponentTableTest, StartsWhatTheListSays) {
    const ComponentRow& row = GetParam();
    State.InstallPathChosen = row.volumeChosen;
    const auto started = RunPass(row.section);
    std::string lines;
    for (const auto& start : started) lines += start.commandLine + "\n";
    EXPECT_EQ(lines, row.started);
    if (!started.empty()) {
        EXPECT_EQ(started[0].options.currentDirectory, row.folder);
        EXPECT_EQ(started[0].options.hidden, row.hidden);
        EXPECT_EQ(started[0].options.applicationName, std::string(row.folder) + "comp.exe");
        EXPECT_TRUE(started[0].started);
    }
    EXPECT_TRUE(machine.ProcessStarts().back().started);  // the setup follows
}

// Ten listed, all forced: the first nine start.
ComponentRow AtMostNine() {
    ComponentRow row{"at_most_nine", "NB=10\r\n", false, ""};
    for (char n = '1'; n <= '9'; ++n) {
        row.section += std::string(1, n) + "=comp.exe " + n + "\r\n" + n + "_FORCEE=TRUE\r\n";
        row.started += std::string("E:\\COMPST\\comp.exe ") + n + "\n";
    }
    return row;
}

INSTANTIATE_TEST_SUITE_P(
    Page6, ComponentTableTest,
    ::testing::Values(
        ComponentRow{"forced", "NB=1\r\n1=comp.exe /a b\r\n1_FORCEE=TRUE\r\n", false, kOne},
        ComponentRow{"first_install_chosen", "NB=1\r\n1=comp.exe /a b\r\n1_FIRST_INSTALL=TRUE\r\n",
                     true, kOne},
        ComponentRow{"first_install_update", "NB=1\r\n1=comp.exe /a b\r\n1_FIRST_INSTALL=TRUE\r\n",
                     false, ""},
        ComponentRow{"lower_case_true", "NB=1\r\n1=comp.exe\r\n1_FORCEE=true\r\n", false, ""},
        ComponentRow{"language_listed",
                     "NB=1\r\n1=comp.exe /a b\r\n1_FORCEE=TRUE\r\n1_LANGUES=DE;FR\r\n", false,
                     "E:\\COMPST\\FR\\comp.exe /a b\n", "E:\\COMPST\\FR\\"},
        ComponentRow{"language_not_listed",
                     "NB=1\r\n1=comp.exe /a b\r\n1_FORCEE=TRUE\r\n1_LANGUES=DE;GB\r\n", false,
                     kOne},
        ComponentRow{"invisible",
                     "NB=1\r\n1=comp.exe /a b\r\n1_FORCEE=TRUE\r\n1_INVISIBLE=TRUE\r\n", false,
                     kOne, kCompst, true},
        ComponentRow{"name_without_extension", "NB=1\r\n1=comp /a\r\n1_FORCEE=TRUE\r\n", false,
                     "E:\\COMPST\\comp /a\n"},
        ComponentRow{"count_zero", "NB=0\r\n1=comp.exe\r\n1_FORCEE=TRUE\r\n", false, ""},
        ComponentRow{"count_empty", "NB=\r\n1=comp.exe\r\n1_FORCEE=TRUE\r\n", false, ""},
        ComponentRow{"count_not_a_number", "NB=x\r\n1=comp.exe\r\n1_FORCEE=TRUE\r\n", false, ""},
        AtMostNine()),
    [](const ::testing::TestParamInfo<ComponentRow>& row) { return row.param.name; });

TEST_F(ComponentTest, AProgramMissingFromItsFolderIsAStartFailureAndThePassGoesOn) {
    // The medium's own setup.exe lies outside COMPST: never a component.
    Components(
        "NB=3\r\n1=..\\setup.exe -s\r\n1_FORCEE=TRUE\r\n2=missing.exe\r\n2_FORCEE=TRUE\r\n"
        "3=comp.exe\r\n3_FORCEE=TRUE\r\n");
    ShowProgressPage(true);
    TickComponents();
    EXPECT_TRUE(Traced("composant non lance : E:\\COMPST\\..\\setup.exe -s"));
    EXPECT_TRUE(Traced("composant non lance : E:\\COMPST\\missing.exe"));
    ASSERT_NE(LastStartOf("E:\\COMPST\\comp.exe"), nullptr);
    EXPECT_TRUE(LastStartOf(kInstallLine)->started);  // the setup replaced the notice
    EXPECT_EQ(Text(), P(46853) + "\n" + P(82504));
}

TEST_F(ComponentTest, TheStartFailureNoticeNamesTheComponentProblem) {
    updateResult = 7;  // keeps the notice of the last failure beneath the update error
    Components("NB=1\r\n1=missing.exe\r\n1_FORCEE=TRUE\r\n");
    ShowProgressPage(true);
    TickComponents();
    EXPECT_TRUE(Form().Bouton_Valide_MAJEnCours->Visible());
    EXPECT_TRUE(State.SetupFinished);
}

TEST_F(ComponentTest, OnlyABlockingComponentIsWaitedFor) {
    platform::ProcessScript running;
    running.keepsRunning = true;
    machine.ScriptProcess("E:\\COMPST\\comp.exe 1", running);
    machine.ScriptProcess("E:\\COMPST\\comp.exe 2", running);
    RunPass(
        "NB=2\r\n1=comp.exe 1\r\n1_FORCEE=TRUE\r\n2=comp.exe 2\r\n2_FORCEE=TRUE\r\n"
        "2_BLOQUANT=FALSE\r\n");
    EXPECT_FALSE(machine.IsProcessRunning(LastStartOf("E:\\COMPST\\comp.exe 1")->processId));
    EXPECT_TRUE(machine.IsProcessRunning(LastStartOf("E:\\COMPST\\comp.exe 2")->processId));
}

struct UpdateRow {
    std::uint32_t result;
    bool scripted;  // false: the script cannot run, its result is unknown
    bool setupLaunched;
    const char* shownCode;
};

class UpdateResultTest : public ComponentTest, public ::testing::WithParamInterface<UpdateRow> {};

TEST_P(UpdateResultTest, ZeroAndTwoGoOnAnythingElseAsksFirst) {
    const UpdateRow row = GetParam();
    updateResult = row.result;
    ShowProgressPage(true);
    if (!row.scripted) machine.ScriptProcess(kUpdateScript, {});  // replaced below
    if (!row.scripted) RemoveFromMedium("qxdiag");                // folder gone: no start
    TickComponents();
    const platform::ProcessStart* setup = LastStartOf(kInstallLine);
    EXPECT_EQ(setup != nullptr, row.setupLaunched);
    if (row.setupLaunched) {
        EXPECT_EQ(State.ComponentSetupExitCode, static_cast<int>(row.result));
        return;
    }
    EXPECT_EQ(Text(), P(118558, false) + "\n" + P(118559, false) + row.shownCode + "\n" +
                          P(118560, false) + "\n" + P(118561, false) + "\n" + P(93411));
    EXPECT_TRUE(State.MainSetupPending);
    EXPECT_TRUE(Form().Bouton_F1_MAJComp->Visible());
    EXPECT_EQ(State.ComponentSetupExitCode, -1);
    Press(kKeyReturn);  // validate still runs the setup
    ASSERT_NE(LastStartOf(kInstallLine), nullptr);
    EXPECT_FALSE(State.MainSetupPending);
    EXPECT_FALSE(Form().Bouton_F1_MAJComp->Visible());
}

INSTANTIATE_TEST_SUITE_P(Page6, UpdateResultTest,
                         ::testing::Values(UpdateRow{0, true, true, ""},
                                           UpdateRow{2, true, true, ""},
                                           UpdateRow{5, true, false, "5"},
                                           UpdateRow{0, false, false, "4294967295"}));

// The script host is the system's, whatever lies beside the script; without
// it the script does not run at all (an unreadable result).
TEST_F(ComponentTest, TheUpdateScriptRunsTheSystemsScriptHostOnly) {
    PutOnMedium("qxdiag\\cscript.exe", "MZ planted");
    updateResult = 5;  // a code that stops with the notice, which traces it
    ShowProgressPage(true);
    TickComponents();
    ASSERT_NE(LastStartOf(kUpdateScript), nullptr);
    EXPECT_EQ(LastStartOf(kUpdateScript)->options.applicationName,
              "C:\\WINDOWS\\system32\\cscript.exe");
    EXPECT_TRUE(Traced("RG_code_retour_QXD == 5"));  // its exit code was read
}

TEST_F(ComponentTest, WithoutTheSystemsScriptHostThePlantedOneDoesNotRunEither) {
    PutOnMedium("qxdiag\\cscript.exe", "MZ planted");
    machine.RemoveFile("C:\\WINDOWS\\system32\\cscript.exe");
    ShowProgressPage(true);
    TickComponents();
    EXPECT_TRUE(Traced("RG_code_retour_QXD == 4294967295"));
}

TEST_F(ComponentTest, AnUpdateErrorNoticeEndsWithF1) {
    updateResult = 5;
    ShowProgressPage(true);
    TickComponents();
    Press(kKeyF1);
    EXPECT_TRUE(Closed());
    EXPECT_EQ(LastStartOf(kInstallLine), nullptr);
}

TEST_F(ComponentTest, AnUpdateResultOfZeroEndsWithTheClosingMessage) {
    updateResult = 0;
    ShowProgressPage(true);
    TickComponents();
    EndSetup("0");
    Tick();
    Press(kKeyReturn);
    EXPECT_FALSE(Closed());
    EXPECT_EQ(Text(), P(118556, false) + "\n" + P(78759, false));
    Press(kKeyReturn);
    EXPECT_TRUE(Closed());
}

TEST_F(ComponentTest, AnUpdateResultOfZeroWithASetupThatCannotStartEndsWithoutClaimingSuccess) {
    updateResult = 0;
    RemoveFromMedium("setup.exe");
    ShowProgressPage(true);
    TickComponents();
    Press(kKeyReturn);
    EXPECT_TRUE(Closed());
}

// The start-failure notice's button picture is missing: the components after
// the failed one, the update script and the setup run all the same.
TEST_F(ComponentTest, AMissingGlyphNeverChangesWhatRuns) {
    RemoveFromMedium("BMP\\valid.bmp");
    Components("NB=2\r\n1=missing.exe\r\n1_FORCEE=TRUE\r\n2=comp.exe\r\n2_FORCEE=TRUE\r\n");
    ShowProgressPage(true);
    TickComponents();
    EXPECT_TRUE(host.Exceptions().empty());
    EXPECT_NE(LastStartOf("E:\\COMPST\\comp.exe"), nullptr);
    EXPECT_NE(LastStartOf(kUpdateScript), nullptr);
    ASSERT_NE(LastStartOf(kInstallLine), nullptr);
    EXPECT_TRUE(LastStartOf(kInstallLine)->started);
}

// An error during the pass (here the system fails a component's start) is
// shown in the standard box, and the page still offers the setup or the end.
TEST_F(ComponentTest, AnErrorDuringThePassStillLeavesAWayToTheSetup) {
    Components("NB=2\r\n1=comp.exe 1\r\n1_FORCEE=TRUE\r\n2=other.exe\r\n2_FORCEE=TRUE\r\n");
    platform::ProcessScript failing;
    failing.onStart = [](platform::FakeMachine&) { throw std::runtime_error("start refused"); };
    machine.ScriptProcess("E:\\COMPST\\comp.exe 1", failing);
    ShowProgressPage(true);
    TickComponents();

    ASSERT_EQ(host.Exceptions().size(), 1u);
    EXPECT_EQ(host.Exceptions()[0].message,
              "start refused.");  // the standard box ends it with a period
    EXPECT_EQ(TraceLines().back(), "exception pendant les composants");
    EXPECT_EQ(LastStartOf("E:\\COMPST\\other.exe"), nullptr);
    EXPECT_EQ(LastStartOf(kUpdateScript), nullptr);
    EXPECT_TRUE(State.MainSetupPending);
    EXPECT_TRUE(Form().Bouton_F1_MAJComp->Visible());
    Press(kKeyReturn);
    EXPECT_NE(LastStartOf(kInstallLine), nullptr);
}

// A waited-for child that never ends: the window answers in every slice of
// the wait, and once the bound has passed the page names the program, nothing
// more starts and F1 ends the run; the child is left running.
struct HangRow {
    const char* commandLine;
    bool startsWithThePage;  // the service script runs when the page shows
};

class ChildHangTest : public ComponentTest, public ::testing::WithParamInterface<HangRow> {};

TEST_P(ChildHangTest, IsNamedAfterTheBoundAndF1EndsTheRun) {
    const HangRow row = GetParam();
    machine.SetEnvironmentVariable("TAVRIK_CHILD_WAIT_SECONDS", "2");
    Components("NB=1\r\n1=comp.exe 1\r\n1_FORCEE=TRUE\r\n");
    platform::ProcessScript hangs;
    hangs.keepsRunning = true;
    hangs.endsWhenWaited = false;
    if (row.startsWithThePage) machine.ScriptProcess(row.commandLine, hangs);
    const int answeredBefore = host.ProcessMessagesCalls();
    MarkTrace();
    ShowProgressPage(true);
    if (!row.startsWithThePage) machine.ScriptProcess(row.commandLine, hangs);
    TickComponents();

    EXPECT_GE(host.ProcessMessagesCalls() - answeredBefore, 20);  // 2 s of 100 ms slices
    const platform::ProcessStart* child = LastStartOf(row.commandLine);
    ASSERT_NE(child, nullptr);
    EXPECT_EQ(LastStartOf(kInstallLine), nullptr);
    EXPECT_NE(Text().find(std::string(P(125088)) + "\n" + row.commandLine), std::string::npos);
    EXPECT_EQ(Form().Texte_Page_MAJEnCours->Font().Color(), vcl::clRed);
    EXPECT_TRUE(Form().Bouton_F1_MAJComp->Visible());
    const auto lines = NewTraceLines();
    EXPECT_NE(std::find(lines.begin(), lines.end(),
                        "programme non termine apres 2 s : " + std::string(row.commandLine)),
              lines.end());

    Press(kKeyF1);
    EXPECT_TRUE(Closed());
    EXPECT_TRUE(machine.IsProcessRunning(child->processId));  // never ended by the wizard
    EXPECT_TRUE(machine.HungWaits().empty());
}

INSTANTIATE_TEST_SUITE_P(WaitedChildren, ChildHangTest,
                         ::testing::Values(HangRow{"E:\\COMPST\\comp.exe 1", false},
                                           HangRow{"cscript.exe updateqxd.vbs //Nologo //B", false},
                                           HangRow{"c:\\app\\qxdiag\\qxd.bat stop >nul", true}));

}  // namespace
}  // namespace tavrik::testing
