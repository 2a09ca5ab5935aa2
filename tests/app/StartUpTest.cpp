#include <gtest/gtest.h>

#include "WizardFixture.h"
#include "app/ProgramEntry.h"
#include "app/ProgramExit.h"
#include "app/ProgramState.h"
#include "config/Registry.h"
#include "localisation/FlagGrid.h"

namespace tavrik::testing {
namespace {

using platform::StringValue;

class StartUpTest : public WizardTest {};

TEST_F(StartUpTest, OpensOnTheRecommendationPageWithAFreshTraceAndInstallReset) {
    machine.WriteFile("C:\\TraceTavrik.log", "previous run\r\n");
    machine.SetRegistryValue(kProductKey, "Install", StringValue("1"));
    StartWizard();

    EXPECT_EQ(Page(), kPageRecommendation);
    // An Install = "1" found at start is an installation that did not end.
    EXPECT_EQ(TraceLines(),
              (std::vector<std::string>{"installation precedente non terminee (Install = 1)",
                                        "Recommendation"}));
    EXPECT_EQ(RegistryString(kProductKey, "Install"), "0");
    EXPECT_FALSE(host.SystemCloseEnabled(Form()));
    EXPECT_EQ(State.SelectedLanguage, "0");
    EXPECT_TRUE(State.IsInstallation);
    EXPECT_EQ(State.ComponentSetupExitCode, -1);
    EXPECT_EQ(State.WaitImageNumber, 1);
    ASSERT_NE(State.FlagGrid, nullptr);
    EXPECT_EQ(State.FlagGrid->AreaWidth, Form().Width());
    EXPECT_EQ(State.FlagGrid->AreaHeight, Form().Height());
    EXPECT_GT(Form().Width(), 648);  // the outer size, frame included
}

// A wizard started while another one runs (and perhaps its setup) ends at
// once: it starts nothing and keeps the first one's trace and state. It says
// why in a box in the PC's language, unless it was started for the
// unattended branch, where no one would click it away.
struct SecondWizardCase {
    const char* name;
    bool unattendedRequested;
};

class SecondWizardTest : public WizardTest,
                         public ::testing::WithParamInterface<SecondWizardCase> {};

TEST_P(SecondWizardTest, EndsAtOnceKeepingTheFirstOnesTraceAndState) {
    machine.WriteFile("C:\\TraceTavrik.log", "LancementIS\r\n");
    machine.SetRegistryValue(kProductKey, "Install", StringValue("1"));
    machine.SetSystemDefaultLanguageName("de");
    if (GetParam().unattendedRequested) {
        machine.SetRegistryValue(kProductKey, "Manual", StringValue("1"));
        machine.SetEnvironmentVariable("TYPEPOSTE", "PORTABLE");
        machine.WriteFile("C:\\RVS\\majclient.flg", "");
    }
    machine.ClaimSingleInstance(kSingleInstanceName);  // the first wizard
    StartWizard();

    EXPECT_EQ(processExits, std::vector<int>{kExitAnotherWizardRuns});
    EXPECT_EQ(TraceLines(), (std::vector<std::string>{
                                "LancementIS", "Tavrik deja lance : ce lancement s'arrete"}));
    EXPECT_EQ(RegistryString(kProductKey, "Install"), "1");
    EXPECT_TRUE(machine.ProcessStarts().empty());
    if (GetParam().unattendedRequested) {
        EXPECT_TRUE(host.Exceptions().empty());
    } else {
        ASSERT_EQ(host.Exceptions().size(), 1u);
        EXPECT_EQ(host.Exceptions()[0].message, ScriptedPhrase("THESAUDE", 126846));
    }
}

INSTANTIATE_TEST_SUITE_P(Starts, SecondWizardTest,
                         ::testing::Values(SecondWizardCase{"ByATechnician", false},
                                           SecondWizardCase{"ForTheUnattendedBranch", true}),
                         [](const auto& row) { return std::string(row.param.name); });

TEST_F(StartUpTest, TheDictionaryComesFromTheSystemLanguage) {
    machine.SetSystemDefaultLanguageName("de");
    StartWizard();
    EXPECT_EQ(State.DictionaryFileName, "THESAUDE.DBZ");
}

TEST_F(StartUpTest, TheDictionaryOfTheInstalledApplicationWins) {
    machine.AddDrive('D', platform::kDriveFixed);
    machine.SetRegistryValue(kProductKey, "PathInstall", StringValue("D:"));
    machine.WriteFile("D:\\APP\\BRENDOL\\EXE\\DICO.TXT", "Dico=THESAUES.DBZ");
    StartWizard();
    EXPECT_EQ(State.DictionaryFileName, "THESAUES.DBZ");
}

TEST_F(StartUpTest, OnlyTheExactPlatformNameElnaCounts) {
    machine.SetRegistryValue(kMakerKey, "Platform", StringValue("ELNA"));
    StartWizard();
    EXPECT_TRUE(State.IsElnaPlatform);
}

TEST_F(StartUpTest, ElnaInAnotherCaseIsNotElna) {
    machine.SetRegistryValue(kMakerKey, "Platform", StringValue("elna"));
    StartWizard();
    EXPECT_FALSE(State.IsElnaPlatform);
}

struct WorkstationCase {
    const char* typePoste;  // nullptr: unset
    bool portable;
    bool fixed;
};

class WorkstationTypeTest : public WizardTest,
                            public ::testing::WithParamInterface<WorkstationCase> {};

TEST_P(WorkstationTypeTest, ReadsTypePosteExactly) {
    if (GetParam().typePoste != nullptr) {
        machine.SetEnvironmentVariable("TYPEPOSTE", GetParam().typePoste);
    }
    StartWizard();
    EXPECT_EQ(State.IsPortable, GetParam().portable);
    EXPECT_EQ(State.IsFixedPc, GetParam().fixed);
}

INSTANTIATE_TEST_SUITE_P(Types, WorkstationTypeTest,
                         ::testing::Values(WorkstationCase{"PORTABLE", true, false},
                                           WorkstationCase{"FIXE", false, true},
                                           WorkstationCase{"portable", false, false},
                                           WorkstationCase{"", false, false},
                                           WorkstationCase{nullptr, false, false}));

struct VersionCase {
    unsigned major;
    unsigned minor;
    bool accepted;
    bool extendedRefused = false;  // the basic record is tried then
    bool basicRefused = false;
};

class OsVersionTest : public WizardTest, public ::testing::WithParamInterface<VersionCase> {};

TEST_P(OsVersionTest, AcceptsWindows2000AndXpOnly) {
    machine.SetVersion(GetParam().major, GetParam().minor);
    machine.RefuseVersionRecords(GetParam().extendedRefused, GetParam().basicRefused);
    StartWizard();
    EXPECT_EQ(State.SystemValid, GetParam().accepted);
    const auto lines = TraceLines();
    const bool traced = !lines.empty() && lines.front() == "Systeme non valide";
    EXPECT_EQ(traced, !GetParam().accepted);
    EXPECT_EQ(Page(), kPageRecommendation);  // start-up goes on either way
}

INSTANTIATE_TEST_SUITE_P(Versions, OsVersionTest,
                         ::testing::Values(VersionCase{5, 0, true}, VersionCase{5, 1, true},
                                           VersionCase{5, 2, false}, VersionCase{4, 0, false},
                                           VersionCase{6, 1, false}, VersionCase{6, 0, false},
                                           VersionCase{5, 0, true, true},
                                           VersionCase{5, 1, false, true, true}));  // none

TEST_F(StartUpTest, RebootWithAResumeRecordMarksARunAfterARestart) {
    StartResumedWizard();
    EXPECT_EQ(application->Tag(), 1);
}

TEST_F(StartUpTest, AnEmptyCommandLineIsAnOrdinaryRun) {
    StartWizard();
    EXPECT_EQ(application->Tag(), 0);
}

TEST_F(StartUpTest, TheRvsServerFlagFileMarksAnExcludedWorkstation) {
    machine.WriteFile("C:\\RVS\\serveur.flg", "");
    StartWizard();
    EXPECT_TRUE(State.RvsServerPresent);
}

class ManualInstallTest : public WizardTest {
protected:
    void SetUp() override {
        machine.AddDrive('D', platform::kDriveFixed);
        machine.SetRegistryValue(kProductKey, "PathInstall", StringValue("D:"));
        machine.SetRegistryValue(kProductKey, "Langue", StringValue("DE"));
        machine.SetRegistryValue(kProductKey, "IsInstall", StringValue("1"));
        machine.AddDirectory("C:\\app\\qxdiag");
        machine.ScriptProcess("c:\\app\\qxdiag\\qxd.bat stop >nul", {});
        Setup("E:\\setup.exe -s -f1E:\\install.iss -f2D:\\setup.log", "0");
        PutOnMedium("setup.exe", "MZ");
    }
    // The setup ends leaving Install as given, as the packaged setup does.
    void Setup(const std::string& commandLine, const std::string& install) {
        platform::ProcessScript setup;
        setup.onEnd = [install](platform::FakeMachine& pc) {
            pc.SetRegistryValue(kProductKey, "Install", StringValue(install));
        };
        machine.ScriptProcess(commandLine, setup);
    }
    void Conditions(const char* manual, const char* typePoste, bool flagFile) {
        machine.SetRegistryValue(kProductKey, "Manual", StringValue(manual));
        machine.SetEnvironmentVariable("TYPEPOSTE", typePoste);
        if (flagFile) machine.WriteFile("C:\\RVS\\majclient.flg", "");
    }
};

TEST_F(ManualInstallTest, AllThreeConditionsRunTheSetupWithoutAnyPage) {
    Conditions("1", "PORTABLE", true);
    StartWizard();

    EXPECT_EQ(processExits, std::vector<int>{0});
    EXPECT_EQ(TraceLines(), std::vector<std::string>{"Install manuelle"});
    ASSERT_EQ(machine.ProcessStarts().size(), 2u);
    EXPECT_TRUE(machine.ProcessStarts()[0].options.hidden);
    EXPECT_EQ(machine.ProcessStarts()[1].commandLine,
              "E:\\setup.exe -s -f1E:\\install.iss -f2D:\\setup.log");
    EXPECT_TRUE(machine.ProcessStarts()[1].options.newConsole);
    EXPECT_EQ(machine.ProcessStarts()[1].options.applicationName, "E:\\setup.exe");
    EXPECT_TRUE(machine.ProcessStarts()[1].started);
    EXPECT_EQ(RegistryString(kProductKey, "Install"), "0");  // as the setup left it
    EXPECT_EQ(RegistryString(kProductKey, "Manual"), "<missing>");
    EXPECT_EQ(RegistryString(kProductKey, "CD"), "E:\\");
    EXPECT_EQ(machine.ReadFile("D:\\APP\\BRENDOL\\EXE\\DICO.TXT"), "Dico=THESAUDE.DBZ");
    EXPECT_EQ(machine.OpenHandleCount(), 0);
}

struct ManualOutcome {
    const char* isInstall;    // "1" installs, anything else removes
    const char* leftInstall;  // what the setup leaves; nullptr: it cannot start
    bool denied;              // the product key cannot be written
    int exitCode;
    const char* trace;  // after "Install manuelle"; nullptr: none
};

class ManualOutcomeTest : public ManualInstallTest,
                          public ::testing::WithParamInterface<ManualOutcome> {};

// The key goes only after a removal that succeeded, the trigger only after
// an installation that succeeded; the exit code says the outcome.
TEST_P(ManualOutcomeTest, KeyTriggerAndExitCodeFollowTheSetupsOutcome) {
    const ManualOutcome row = GetParam();
    Conditions("1", "PORTABLE", true);
    machine.SetRegistryValue(kProductKey, "IsInstall", StringValue(row.isInstall));
    const bool installation = std::string(row.isInstall) == "1";
    const std::string line = std::string("E:\\setup.exe -s -f1E:\\") +
                             (installation ? "install.iss" : "desinst.iss") + " -f2D:\\setup.log";
    if (row.leftInstall == nullptr) {
        RemoveFromMedium("setup.exe");
    } else {
        Setup(line, row.leftInstall);
    }
    machine.SetRegistryDenied(row.denied);
    StartWizard();

    EXPECT_EQ(processExits, std::vector<int>{row.exitCode});
    std::vector<std::string> trace{"Install manuelle"};
    if (row.trace != nullptr) trace.push_back(row.trace);
    EXPECT_EQ(TraceLines(), trace);
    const bool succeeded = row.exitCode == 0;
    EXPECT_EQ(machine.HasRegistryKey(kProductKey), installation || !succeeded);
    if (installation || !succeeded) {
        EXPECT_EQ(RegistryString(kProductKey, "Manual") == "1", !succeeded);
        EXPECT_EQ(RegistryString(kProductKey, "IsInstall"),
                  succeeded ? "<missing>" : row.isInstall);
    }
    EXPECT_EQ(machine.OpenHandleCount(), 0);
}

INSTANTIATE_TEST_SUITE_P(
    Outcomes, ManualOutcomeTest,
    ::testing::Values(ManualOutcome{"1", "0", false, 0, nullptr},
                      ManualOutcome{"0", "0", false, 0, nullptr},
                      ManualOutcome{"1", "1", false, 1, "setup en echec, cle conservee"},
                      ManualOutcome{"0", "1", false, 1, "setup en echec, cle conservee"},
                      ManualOutcome{"1", nullptr, false, 2, "setup non lance, cle conservee"},
                      ManualOutcome{"0", nullptr, false, 2, "setup non lance, cle conservee"},
                      ManualOutcome{"1", "0", true, 2,
                                    "Install non enregistre : droits administrateur necessaires"}));

TEST_F(ManualInstallTest, WithoutTheClientUpdateFlagTheWizardOpens) {
    Conditions("1", "PORTABLE", false);
    StartWizard();
    EXPECT_TRUE(processExits.empty());
    EXPECT_EQ(Page(), kPageRecommendation);
    EXPECT_EQ(RegistryString(kProductKey, "Install"), "0");
}

TEST_F(ManualInstallTest, AFixedPcNeverTakesTheManualBranch) {
    Conditions("1", "FIXE", true);
    StartWizard();
    EXPECT_TRUE(processExits.empty());
    EXPECT_EQ(Page(), kPageRecommendation);
}

TEST_F(ManualInstallTest, ManualMustBeExactlyOne) {
    Conditions("yes", "PORTABLE", true);
    StartWizard();
    EXPECT_TRUE(processExits.empty());
}

class ProgramEntryTest : public WizardTest {};

TEST_F(ProgramEntryTest, AMissingBackgroundIsShownAsAFileErrorAndTheRunEndsWithZero) {
    RemoveFromMedium("BMP\\page_fon.bmp");
    EXPECT_EQ(RunWizard(""), 0);
    ASSERT_FALSE(host.Exceptions().empty());
    EXPECT_NE(host.Exceptions().front().message.find("page_fon.bmp"), std::string::npos);
    EXPECT_EQ(TraceLines(), std::vector<std::string>{"Recommendation"});
}

}  // namespace
}  // namespace tavrik::testing
