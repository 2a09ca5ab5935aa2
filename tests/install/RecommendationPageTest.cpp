#include <gtest/gtest.h>

#include "app/ProgramState.h"
#include "app/WizardFixture.h"

namespace tavrik::testing {
namespace {

constexpr vcl::TColor kRed = 0x0000FF;
constexpr vcl::TColor kBlue = 0x873D21;

class RecommendationTest : public WizardTest {
protected:
    void SetUp() override {
        machine.AddDirectory("C:\\app\\qxdiag");
        machine.ScriptProcess("c:\\app\\qxdiag\\qxd.bat check >nul", {});
    }
    const std::string& Text() { return Form().Label_PageRecom->Caption(); }
};

TEST_F(RecommendationTest, ANormalStartListsTheChecksLeftAligned) {
    SetPhrase(126841, "disconnect the * from the PC, the * stays");
    StartWizard();
    EXPECT_EQ(Text(),
              "THESAUFR#126839\n- THESAUFR#126840\n- Disconnect the Solvane Interface from "
              "the PC, the * stays\n- THESAUFR#126842\n\nTHESAUFR#93411. ");
    EXPECT_EQ(Form().Label_PageRecom->Alignment(), vcl::TAlignment::taLeftJustify);
    EXPECT_EQ(Form().Label_PageRecom->Font().Color(), kBlue);
    EXPECT_TRUE(Form().SpeedButtonSortie_PageRecom->Visible());
    EXPECT_EQ(State.ExtraAppLabel, "THESAUFR#122270");
    EXPECT_EQ(TraceLines(), std::vector<std::string>{"Recommendation"});
}

TEST_F(RecommendationTest, APhraseWithoutStarIsShownUnchanged) {
    SetPhrase(126841, "no product name here");
    StartWizard();
    EXPECT_NE(Text().find("- No product name here\n"), std::string::npos);
}

TEST_F(RecommendationTest, AfterARestartTheTextIsCentredWithoutBullets) {
    StartResumedWizard();
    EXPECT_EQ(Text(), "THESAUFR#17877\n\nTHESAUFR#126842\n\nTHESAUFR#93411. ");
    EXPECT_EQ(Form().Label_PageRecom->Alignment(), vcl::TAlignment::taCenter);
}

TEST_F(RecommendationTest, ARefusedSystemWinsOverAnExcludedWorkstation) {
    machine.SetVersion(6, 1);
    machine.SetEnvironmentVariable("TYPEPOSTE", "PORTABLE");
    StartWizard();
    EXPECT_EQ(Text(), "THESAUFR#122392 :\nTHESAUFR#122393\n\nTHESAUFR#122391. ");
    EXPECT_EQ(Form().Label_PageRecom->Font().Color(), kRed);
    EXPECT_FALSE(Form().SpeedButtonSortie_PageRecom->Visible());
    Press(kKeyReturn);
    EXPECT_TRUE(Closed());
}

TEST_F(RecommendationTest, AnExcludedWorkstationIsToldWhyInRed) {
    machine.SetEnvironmentVariable("TYPEPOSTE", "FIXE");
    StartWizard();
    EXPECT_EQ(Text(), "THESAUFR#126057\nTHESAUFR#126058\n\nTHESAUFR#122391");
    EXPECT_EQ(Form().Label_PageRecom->Font().Color(), kRed);
    EXPECT_TRUE(Form().SpeedButtonValide_PageRecom->Visible());
    EXPECT_FALSE(Form().SpeedButtonSortie_PageRecom->Visible());
    Click(Form().SpeedButtonValide_PageRecom);
    EXPECT_TRUE(Closed());
}

TEST_F(RecommendationTest, TheSiteServerAloneLeavesOutTheSecondPhrase) {
    machine.WriteFile("C:\\RVS\\serveur.flg", "");
    StartWizard();
    EXPECT_EQ(Text(), "THESAUFR#126057\n\nTHESAUFR#122391");
}

TEST_F(RecommendationTest, TheWindowIsCentredOnTheWorkArea) {
    machine.SetFullScreenSize({1024, 738});
    StartWizard();
    EXPECT_EQ(Form().Left(), 192);
    EXPECT_EQ(Form().Top(), 129);
}

TEST_F(RecommendationTest, TheFormTakesTheDictionaryFont) {
    machine.SetSystemDefaultLanguageName("ru");
    StartWizard();
    EXPECT_EQ(Form().Font().Name(), "Arial Cyr");
    EXPECT_EQ(Form().Font().Charset(), 204);
    EXPECT_EQ(Form().Font().Size(), 12);
}

TEST_F(RecommendationTest, ValidateLeadsToTheLanguagesOrToThePageOfRunningPrograms) {
    StartWizard();
    machine.SetProcessSnapshot({"QXM.exe"});
    Click(Form().SpeedButtonValide_PageRecom);
    EXPECT_EQ(Page(), kPageRunningApplications);
}

TEST_F(RecommendationTest, ValidateWithNothingRunningGoesToTheLanguages) {
    StartWizard();
    Click(Form().SpeedButtonValide_PageRecom);
    EXPECT_EQ(Page(), kPageLanguageChoice);
}

class AfterRestartPowerTest : public RecommendationTest,
                              public ::testing::WithParamInterface<int> {};

TEST_P(AfterRestartPowerTest, OnlyMainsPowerLetsARestartedRunGoOn) {
    StartResumedWizard();
    AcLine(static_cast<std::uint8_t>(GetParam()));
    const int messages = host.ProcessMessagesCalls();
    Click(Form().SpeedButtonValide_PageRecom);
    if (GetParam() == 1) {
        EXPECT_EQ(Page(), kPageInstallInProgress);
    } else {
        EXPECT_EQ(Page(), kPageRecommendation);
        EXPECT_EQ(host.ProcessMessagesCalls(), messages);
    }
}

INSTANTIATE_TEST_SUITE_P(AcLineStatus, AfterRestartPowerTest, ::testing::Values(0, 1, 255));

TEST_F(RecommendationTest, ARestartedRunOnBatteryWhosePowerQueryFailsStays) {
    StartResumedWizard();
    machine.SetPowerStatusFails(true);
    Click(Form().SpeedButtonValide_PageRecom);
    EXPECT_EQ(Page(), kPageRecommendation);
}

TEST_F(RecommendationTest, ExitAndF1EndTheProgram) {
    StartWizard();
    Press(kKeyF1);
    EXPECT_TRUE(Closed());
}

}  // namespace
}  // namespace tavrik::testing
