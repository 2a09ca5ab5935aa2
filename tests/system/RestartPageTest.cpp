// Page 10: the resumption is armed only when every piece of it was written
// and read back, and a refused shortcut or restart leaves nothing armed.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/ProgramState.h"
#include "app/ResumeRecord.h"
#include "app/WizardFixture.h"
#include "config/Registry.h"

namespace tavrik::testing {
namespace {

class RestartPageTest : public WizardTest {
protected:
    void SetUp() override {
        StartWizard();
        // A Russian first installation on D:, as pages 4, 5 and 1 leave it.
        Form().ApplyLanguageFont("THESAURU.DBZ");
        State.DictionaryFileName = "E:\\BRENDOL\\DICO\\THESAURU.bmp";
        State.InstallPathChosen = true;
        machine.SetRegistryValue(kProductKey, "PathInstall", platform::StringValue("D:"));
        Form().ShowPage(kPageReboot);
    }
    std::string Text() { return Form().Texte_PageReboot->Caption(); }
};

TEST_F(RestartPageTest, ItsFrenchIsDrawnInTheWesternCharsetWhateverTheLanguage) {
    EXPECT_EQ(Form().Font().Charset(), 204);
    EXPECT_EQ(Form().Texte_PageReboot->Font().Charset(), vcl::ANSI_CHARSET);
    EXPECT_NE(Text().find("red\xE9marr\xE9"), std::string::npos);
}

TEST_F(RestartPageTest, ValidateRecordsTheRunArmsTheShortcutAndRestarts) {
    Press(kKeyReturn);
    platform::ShellLink link{"C:\\Tavrik.lnk", "", "", "", ""};
    ASSERT_TRUE(machine.ReadShellLink(link));
    EXPECT_EQ(link.targetPath, "E:\\tavrik.exe");
    EXPECT_EQ(link.workingDirectory, "E:\\");
    EXPECT_EQ(link.arguments, "-reboot");
    ResumeRecord record;
    ASSERT_TRUE(ReadResumeRecord(record));
    EXPECT_EQ(record, (ResumeRecord{true, "D:", true, "THESAURU.DBZ"}));
    EXPECT_EQ(RegistryString(kRunOnceKey, "Install"), "c:\\Tavrik.lnk");
    EXPECT_EQ(machine.RestartRequests(), std::vector<bool>{true});
    EXPECT_TRUE(Closed());
}

struct Refusal {
    const char* name;
    bool shortcutRefused;  // a read-only C:\Tavrik.lnk is in the way
    bool restartRefused;   // the process lacks the shutdown privilege
    const char* trace;
    const char* firstSentence;
};

class RestartRefusedTest : public RestartPageTest, public ::testing::WithParamInterface<Refusal> {};

TEST_P(RestartRefusedTest, IsToldOnThePageAndLeavesNothingArmed) {
    const Refusal& row = GetParam();
    if (row.shortcutRefused) {
        machine.WriteFile("C:\\Tavrik.lnk", "planted");
        machine.MakeReadOnly("C:\\Tavrik.lnk");
    }
    machine.SetShutdownPrivilegeHeld(!row.restartRefused);
    Press(kKeyReturn);

    EXPECT_FALSE(Closed());
    EXPECT_EQ(Page(), kPageReboot);
    EXPECT_TRUE(Traced(row.trace));
    EXPECT_EQ(Text().rfind(row.firstSentence, 0), 0u) << Text();
    EXPECT_NE(Text().find("relancez l'installation"), std::string::npos);
    EXPECT_EQ(Form().Texte_PageReboot->Font().Color(), vcl::clRed);
    EXPECT_EQ(RegistryString(kRunOnceKey, "Install"), "<missing>");
    EXPECT_FALSE(machine.RegistryKeyExists(kResumeRecordKey));
    EXPECT_EQ(machine.ReadFile("C:\\Tavrik.lnk").has_value(), row.shortcutRefused)
        << "ours is removed, a planted one is not ours to change";
    EXPECT_EQ(machine.RestartRequests().size(), row.restartRefused ? 1u : 0u);

    // Only the way out is left: Enter does nothing more, F1 closes.
    EXPECT_FALSE(Form().SpeedButtonPageReboot->Visible());
    Press(kKeyReturn);
    EXPECT_EQ(machine.RestartRequests().size(), row.restartRefused ? 1u : 0u);
    Press(kKeyF1);
    EXPECT_TRUE(Closed());
}

INSTANTIATE_TEST_SUITE_P(
    Page10, RestartRefusedTest,
    ::testing::Values(Refusal{"ShortcutRefused", true, false, "Raccourci de reprise non ecrit",
                              "@Le raccourci de reprise C:\\Tavrik.lnk n'a pas pu"},
                      Refusal{"RestartRefused", false, true, "Redemarrage refuse",
                              "@Windows a refus\xE9 le red\xE9marrage du poste."}),
    [](const ::testing::TestParamInfo<Refusal>& row) { return row.param.name; });

}  // namespace
}  // namespace tavrik::testing
