// Page 6 on the in-memory machine: launching the setup, following it, its
// outcome, the waiting pictures, the progress marker and the ways out.
#include <gtest/gtest.h>

#include <vector>

#include "ProgressFixture.h"
#include "app/ProgramState.h"
#include "config/Registry.h"
#include "install/SetupCommandLine.h"
#include "install/SetupRunner.h"
#include "platform/fake/ScopedCurrentMachine.h"

namespace tavrik::testing {
namespace {

std::string P(long number, bool period = true) {
    return ScriptedPhrase("THESAUFR", number) + (period ? ". " : "");
}

TEST_F(ProgressTest, AnInstallationLaunchesTheNamedSetupAndEndsOnValidate) {
    MarkTrace();
    const std::size_t before = machine.ProcessStarts().size();
    ShowProgressPage(true);
    EXPECT_EQ(Text(), P(46853) + "\n" + P(82504));
    EXPECT_FALSE(Form().Bouton_Valide_MAJEnCours->Visible());
    TickComponents();
    ExpectNewTrace({"OnPageInstallEnCours", "TimerMAJComposantTimer", "LancementIS",
                    "RG_VolInstall mis a jour", "C:", "RL_path_CD=E:\\",
                    "EXE=setup.exe -s -f1E:\\install.iss -f2C:\\setup.log"},
                   "");
    const std::vector<platform::ProcessStart> starts(
        machine.ProcessStarts().begin() + static_cast<std::ptrdiff_t>(before),
        machine.ProcessStarts().end());
    ASSERT_EQ(starts.size(), 3u);  // service stop, update script, setup
    EXPECT_EQ(starts[1].commandLine, kUpdateScript);
    EXPECT_TRUE(starts[1].options.hidden);
    EXPECT_EQ(starts[1].options.currentDirectory, "E:\\qxdiag\\");
    EXPECT_EQ(starts[2].commandLine, kInstallLine);
    EXPECT_EQ(starts[2].options.applicationName, "E:\\setup.exe");
    EXPECT_EQ(starts[2].options.currentDirectory, "");
    EXPECT_FALSE(starts[2].options.hidden || starts[2].options.newConsole);
    EXPECT_EQ(machine.ReadFile("C:\\APP\\BRENDOL\\EXE\\DICO.TXT"), "Dico=THESAUFR.DBZ");
    EXPECT_EQ(RegistryString(kProductKey, "Install"), "1");
    EXPECT_EQ(RegistryString(kProductKey, "Langue"), "FR");
    EXPECT_EQ(RegistryString(kProductKey, "EXE"), "C:\\APP\\BRENDOL\\EXE\\brendol.exe");
    EXPECT_EQ(State.ComponentSetupExitCode, 2);
    EXPECT_TRUE(Form().ProgressBar1->Visible());

    Press(kKeyReturn);  // nothing leaves the page while the setup runs
    Press(kKeyF1);
    ASSERT_TRUE(Tick());
    EXPECT_FALSE(Closed());

    EndSetup("0");
    Tick();
    EXPECT_EQ(Text(), P(116390) + "\n\n" + P(122391));
    EXPECT_FALSE(host.TimerRunning(*Form().Timer1));
    EXPECT_FALSE(Form().ImageAttenteMAJ->Visible());
    EXPECT_EQ(machine.OpenHandleCount(), 0);
    Press(kKeyReturn);
    EXPECT_TRUE(Closed());
    EXPECT_EQ(RegistryString(kProductKey, "Install"), "0");
}

struct Outcome {
    bool installation;
    const char* install;  // left by the setup; "" = the key was deleted
    long phrase;
    bool failed;
};

class OutcomeTest : public ProgressTest, public ::testing::WithParamInterface<Outcome> {};

TEST_P(OutcomeTest, TheSetupsInstallValueDecidesTextColourShortcutsAndTheKey) {
    const Outcome row = GetParam();
    machine.SetEnvironmentVariable("ALLUSERSPROFILE", "C:\\All Users");
    machine.WriteFile("C:\\All Users\\Bureau\\Solvane 2000.lnk", "link");
    ShowProgressPage(row.installation);
    TickComponents();
    EndSetup(row.install);
    Tick();
    const std::string failure = row.failed ? "\n\n" + P(126843) + "\n\n" + P(126844) : "";
    EXPECT_EQ(Text(), P(row.phrase) + failure + "\n\n" + P(122391));
    EXPECT_EQ(Form().Texte_Page_MAJEnCours->Font().Color(),
              row.failed ? vcl::clRed : kPageTextColour);
    EXPECT_EQ(machine.FileExists("C:\\All Users\\Bureau\\Solvane 2000.lnk"), !row.failed);

    Click(Form().Bouton_Valide_MAJEnCours);
    EXPECT_TRUE(Closed());
    // Only a removal that succeeded takes the product key away.
    EXPECT_EQ(machine.HasRegistryKey(kProductKey), row.installation || row.failed);
    if (row.installation || row.failed) {
        EXPECT_EQ(RegistryString(kProductKey, "Install"), "0");
    }
    if (row.failed) {
        EXPECT_EQ(RegistryString(kProductKey, "PathInstall"), "C:");
    }
}

INSTANTIATE_TEST_SUITE_P(
    Page6, OutcomeTest,
    ::testing::Values(Outcome{true, "0", 116390, false}, Outcome{true, "", 116390, false},
                      Outcome{true, "1", 116391, true}, Outcome{true, "x", 116391, true},
                      Outcome{false, "", 116406, false}, Outcome{false, "0", 116406, false},
                      Outcome{false, "1", 116407, true}));

TEST_F(ProgressTest, AnInstallValueOfAnotherTypeIsAFailure) {
    ShowProgressPage(true);
    TickComponents();
    EndSetup("1");
    machine.SetRegistryValue(kProductKey, "Install", platform::DwordValue(0));
    Tick();
    EXPECT_FALSE(State.SetupSucceeded);
    EXPECT_EQ(Form().Texte_Page_MAJEnCours->Font().Color(), vcl::clRed);
}

class NoRightsTest : public ProgressTest, public ::testing::WithParamInterface<bool> {};

// The PC keeps none of the product key's writes: page 6 says that an
// administrator is needed, starts nothing and reports nothing as success.
TEST_P(NoRightsTest, PageSixStartsNothingAndEveryWayOutEndsTheRun) {
    machine.SetRegistryValue(kProductKey, "Install", platform::StringValue("0"));
    machine.SetRegistryDenied(true);
    const std::size_t before = machine.ProcessStarts().size();
    MarkTrace();
    ShowProgressPage(GetParam());
    ExpectNewTrace(
        {"OnPageInstallEnCours", "Install non enregistre : droits administrateur necessaires"}, "");
    EXPECT_EQ(Text(), P(122392, false) + " :\n\n" + P(126845) + "\n\n" + P(122391));
    EXPECT_EQ(Form().Texte_Page_MAJEnCours->Font().Color(), vcl::clRed);
    EXPECT_FALSE(host.TimerRunning(*Form().TimerMAJComposant));
    EXPECT_FALSE(host.TimerRunning(*Form().Timer1));
    EXPECT_EQ(machine.ProcessStarts().size(), before);
    EXPECT_FALSE(State.SetupSucceeded);
    Press(kKeyF1);
    EXPECT_TRUE(Closed());
    EXPECT_EQ(RegistryString(kProductKey, "PathInstall"), "C:");
}

INSTANTIATE_TEST_SUITE_P(InstallationAndRemoval, NoRightsTest, ::testing::Bool());

// Rights lost between page 6's check and the setup's launch: the setup is
// not started, as its outcome could not be told from a success.
TEST_F(ProgressTest, ASetupWhoseStateCannotBeRecordedIsNotStarted) {
    ShowProgressPage(true);
    machine.SetRegistryDenied(true);
    TickComponents();
    EXPECT_EQ(LastStartOf(kInstallLine), nullptr);
    EXPECT_EQ(TraceLines().back(), "lancement echoue");
    EXPECT_EQ(Text(), P(116391) + "\n" + P(116392));
}

TEST_F(ProgressTest, ASetupThatCannotStartLeavesANoticeAndKeysThatEndTheRun) {
    RemoveFromMedium("setup.exe");
    ShowProgressPage(false);
    EXPECT_EQ(TraceLines().back(), "lancement echoue");
    EXPECT_EQ(Text(), P(116391) + "\n" + P(116392));
    EXPECT_TRUE(Form().Bouton_Valide_MAJEnCours->Visible());
    EXPECT_FALSE(host.TimerRunning(*Form().Timer1));
    Press(kKeyReturn);
    EXPECT_TRUE(Closed());
    // A removal that never ran removed nothing.
    EXPECT_EQ(RegistryString(kProductKey, "PathInstall"), "C:");
    EXPECT_EQ(RegistryString(kProductKey, "Install"), "0");
}

TEST_F(ProgressTest, AMediumPathWithSpacesStaysUnquotedButNamesItsOwnSetup) {
    PutOnMedium("My Medium\\setup.exe", "MZ");
    machine.SetCurrentDirectory("E:\\My Medium");
    LaunchSetup(Form());
    const auto& start = machine.ProcessStarts().back();
    EXPECT_EQ(start.commandLine,
              "E:\\My Medium\\setup.exe -s -f1E:\\My Medium\\install.iss -f2C:\\setup.log");
    EXPECT_EQ(start.options.applicationName, "E:\\My Medium\\setup.exe");
    EXPECT_TRUE(start.started);
}

TEST_F(ProgressTest, ADictionaryReferenceThatCannotBeWrittenIsTracedAndTheSetupStillRuns) {
    machine.SetRegistryValue(kProductKey, "PathInstall", platform::StringValue("Z:"));
    ShowProgressPage(false);
    EXPECT_TRUE(Traced("DICO.TXT non ecrit : Z:\\APP\\BRENDOL\\EXE\\DICO.TXT"));
    EXPECT_TRUE(machine.ProcessStarts().back().started);
}

TEST_F(ProgressTest, OnlyDottedFilesOfTheWaitFolderAreCopied) {
    PutOnMedium("WAIT\\wait.ini", "[WAIT]\r\nNB=0\r\n");
    PutOnMedium("WAIT\\README", "no extension");
    PutOnMedium("WAIT\\old\\w9.bmp", "in a folder");
    machine.AddDirectory("E:\\WAIT\\dotted.dir");
    ShowProgressPage(false);
    std::vector<platform::DirectoryEntry> copied;
    machine.ListDirectory("C:\\APP\\TEMP\\WAIT\\*.*", copied);
    std::vector<std::string> names;
    for (const auto& entry : copied) {
        if (entry.name != "." && entry.name != "..") names.push_back(entry.name);
    }
    EXPECT_EQ(names, std::vector<std::string>{"wait.ini"});
}

TEST_F(ProgressTest, WaitingPicturesChangeEvery401TicksAndCycle) {
    WaitPicture("w1.bmp", 3);
    WaitPicture("w2.bmp", 4);
    PutOnMedium("WAIT\\wait.ini", "[WAIT]\r\nNB=2\r\n1=w1.bmp\r\n2=w2.bmp\r\n");
    ShowProgressPage(false);
    const auto shownWidth = [this] { return Form().ImageAttenteMAJ->Picture().Width(); };
    std::vector<int> widths;
    for (int tick = 0; tick < 3 * 401; ++tick) {
        Tick();
        if (tick % 401 == 0 || tick % 401 == 400) widths.push_back(shownWidth());
    }
    EXPECT_EQ(widths, (std::vector<int>{3, 3, 4, 4, 3, 3}));
}

struct UnusablePictures {
    const char* list;  // wait.ini, or nullptr for none
    const char* file;  // a file put beside it, or nullptr
    const char* bytes;
};

class UnusablePicturesTest : public ProgressTest,
                             public ::testing::WithParamInterface<UnusablePictures> {};

TEST_P(UnusablePicturesTest, ThePageStaysPlainWithoutAnErrorAndTheMarkerStillCounts) {
    const UnusablePictures row = GetParam();
    if (row.list != nullptr) PutOnMedium("WAIT\\wait.ini", row.list);
    if (row.file != nullptr) PutOnMedium(std::string("WAIT\\") + row.file, row.bytes);
    ShowProgressPage(false);
    machine.WriteFile("C:\\PGB_Avance.ini", "");
    Tick();
    EXPECT_EQ(Form().ImageAttenteMAJ->Picture().Width(), 0);
    EXPECT_EQ(Form().ProgressBar1->Position(), 2);
    EXPECT_TRUE(host.Exceptions().empty());
}

INSTANTIATE_TEST_SUITE_P(
    Page6, UnusablePicturesTest,
    ::testing::Values(UnusablePictures{nullptr, nullptr, nullptr},
                      UnusablePictures{"[WAIT]\r\nNB=0\r\n1=w.bmp\r\n", "w.bmp", "BM"},
                      UnusablePictures{"[WAIT]\r\nNB=1\r\n1=gone.bmp\r\n", nullptr, nullptr},
                      UnusablePictures{"[WAIT]\r\nNB=1\r\n1=bad.bmp\r\n", "bad.bmp", "BMx"}));

TEST_F(ProgressTest, APathInstallGoneWithTheKeyTakesThePicturesFromTheLaunchedRoot) {
    WaitPicture("w1.bmp", 5);
    PutOnMedium("WAIT\\wait.ini", "[WAIT]\r\nNB=1\r\n1=w1.bmp\r\n");
    ShowProgressPage(false);
    machine.RegistryDeleteKeyTree(kProductKey);
    Tick();
    EXPECT_EQ(Form().ImageAttenteMAJ->Picture().Width(), 5);
}

TEST_F(ProgressTest, EachTickTakesAtMostOneMarkerAlsoOnTheTickThatSeesTheEnd) {
    ShowProgressPage(false);
    EXPECT_EQ(Form().ProgressBar1->Position(), 1);
    machine.WriteFile("C:\\PGB_Avance.ini", "");
    Tick();
    EXPECT_FALSE(machine.FileExists("C:\\PGB_Avance.ini"));
    Tick();
    EXPECT_EQ(Form().ProgressBar1->Position(), 2);
    machine.WriteFile("C:\\PGB_Avance.ini", "");
    EndSetup("0");
    Tick();
    EXPECT_EQ(Form().ProgressBar1->Position(), 3);
    EXPECT_TRUE(State.SetupFinished);
}

struct LibrariesInUse {
    bool installation;
    const char* commandLine;  // "-reboot": this run follows a restart
    bool restartOffered;
};

class LibrariesInUseTest : public ProgressTest,
                           public ::testing::WithParamInterface<LibrariesInUse> {
protected:
    void SetUp() override {
        startArguments = GetParam().commandLine;
        if (!startArguments.empty()) LeaveResumeRecord();
        ProgressTest::SetUp();
    }
};

TEST_P(LibrariesInUseTest, NothingStartsAndValidateOffersARestartOnlyOnce) {
    const LibrariesInUse row = GetParam();
    PutOnMedium("ap.ini", "[DLL_TEST]\r\nNB=1\r\n1=\\APP\\BRENDOL\\EXE\\brendolx.dll\r\n");
    machine.WriteFile("C:\\APP\\BRENDOL\\EXE\\brendolx.dll", "library");
    machine.LockFile("C:\\APP\\BRENDOL\\EXE\\brendolx.dll");
    ShowProgressPage(row.installation);
    EXPECT_FALSE(State.DllTestPassed);
    EXPECT_EQ(Text(), P(126843) + "\n\n" + P(126844) + "\n\n" + P(122391));
    EXPECT_EQ(Form().Texte_Page_MAJEnCours->Font().Color(), vcl::clRed);
    EXPECT_FALSE(host.TimerRunning(*Form().TimerMAJComposant));
    EXPECT_EQ(machine.ProcessStarts().back().commandLine, "c:\\app\\qxdiag\\qxd.bat stop >nul");
    Press(kKeyF1);
    EXPECT_FALSE(Closed());
    Press(kKeyReturn);
    EXPECT_EQ(Closed(), !row.restartOffered);
    if (row.restartOffered) {
        EXPECT_EQ(Page(), kPageReboot);
    }
    EXPECT_EQ(machine.ReadFile("C:\\APP\\BRENDOL\\EXE\\brendolx.dll"), "library");
}

INSTANTIATE_TEST_SUITE_P(Page6, LibrariesInUseTest,
                         ::testing::Values(LibrariesInUse{true, "", true},
                                           LibrariesInUse{false, "", false},
                                           LibrariesInUse{true, "-reboot", false}));

// A library that a restart would not free (here: on a drive no copy can be
// written to) is shown for what it is: nothing runs and no restart is offered.
TEST_F(ProgressTest, ALibraryThatCannotBeReplacedRefusesTheRunWithoutTheRestartRoad) {
    PutOnMedium("ap.ini", "[DLL_TEST]\r\nNB=1\r\n1=\\brendolx.dll\r\n");
    PutOnMedium("brendolx.dll", "library");
    machine.SetRegistryValue(kProductKey, "PathInstall", platform::StringValue("E:"));
    ShowProgressPage(true);
    EXPECT_EQ(TraceLines().back(), "test DLL : E:\\brendolx.dll : copie impossible");
    EXPECT_EQ(Text(), P(122392, false) + " :\n\n" + P(126843) + "\n\n" + P(122391));
    EXPECT_FALSE(host.TimerRunning(*Form().TimerMAJComposant));
    Press(kKeyReturn);
    EXPECT_TRUE(Closed());
}

// A setup left running by a wizard that was ended blocks a new one.
TEST_F(ProgressTest, ASetupStillRunningBlocksANewInstallation) {
    machine.SetProcessSnapshot({"explorer.exe", "SETUP.EXE"});
    const std::size_t before = machine.ProcessStarts().size();
    ShowProgressPage(true);
    EXPECT_EQ(TraceLines().back(), "setup.exe deja en cours : rien n'est lance");
    EXPECT_EQ(Text(), P(122392, false) + " :\n\n" + P(46853) + "\n\n" + P(122391));
    EXPECT_EQ(machine.ProcessStarts().size(), before);
    Press(kKeyF1);
    EXPECT_TRUE(Closed());
}

// A disk that fills up while DICO.TXT is written: half of each write lands.
class DiskFullMachine : public platform::FakeMachine {
public:
    using FakeMachine::WriteFile;
    std::int64_t WriteFile(platform::Handle file, const void* data, std::size_t size) override {
        return FakeMachine::WriteFile(file, data, size / 2);
    }
};

TEST(DictionaryReferenceWrite, AWriteCutShortLeavesThePreviousReferenceWhole) {
    DiskFullMachine machine;
    platform::ScopedCurrentMachine installed{machine};
    machine.WriteFile("C:\\EXE\\DICO.TXT", "Dico=THESAUDE.DBZ");
    EXPECT_FALSE(WriteDictionaryReference("C:\\EXE\\", "Dico=THESAUFR.DBZ"));
    EXPECT_EQ(machine.ReadFile("C:\\EXE\\DICO.TXT"), "Dico=THESAUDE.DBZ");
    EXPECT_FALSE(machine.FileExists("C:\\EXE\\DICO.TXT.new"));
    EXPECT_EQ(machine.OpenHandleCount(), 0);
}

}  // namespace
}  // namespace tavrik::testing
