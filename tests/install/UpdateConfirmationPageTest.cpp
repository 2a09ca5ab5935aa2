// Page 3: reinstallation or removal of the same version, and the decision
// that follows it.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "DecisionFixture.h"
#include "app/ProgramState.h"
#include "config/Registry.h"

namespace tavrik::testing {
namespace {

using Lines = std::vector<std::string>;

class UpdateConfirmationTest : public DecisionTest {
protected:
    void ReachPage3() {
        StartWizard();
        ConfirmLanguage();
        ASSERT_EQ(Page(), kPageUpdateConfirmation);
        MarkTrace();
    }
    void ExpectInstallChosen() {
        EXPECT_TRUE(Form().RadioButton1->Checked());
        EXPECT_FALSE(Form().RadioButton2->Checked());
        EXPECT_EQ(Form().Label_inst->Font().Style(), vcl::fsBold | vcl::fsUnderline);
        EXPECT_EQ(Form().Label_desinst->Font().Style(), vcl::fsBold);
    }
    void ExpectRemovalChosen() {
        EXPECT_FALSE(Form().RadioButton1->Checked());
        EXPECT_TRUE(Form().RadioButton2->Checked());
        EXPECT_EQ(Form().Label_inst->Font().Style(), vcl::fsBold);
        EXPECT_EQ(Form().Label_desinst->Font().Style(), vcl::fsBold | vcl::fsUnderline);
    }
    // The lines of a confirmed reinstallation or removal of 5.2.0.
    static Lines ConfirmedLines(const char* independence) {
        return {"touche_ConfMAJ_yesClick", "versionCD=5.2.0", "versionHD=5.2.0", "version OK",
                "Nieme installation",      independence};
    }

    void SetUp() override {
        MediumVersion("5.2.0");
        InstalledOnD("5.2.0");
    }
};

TEST_F(UpdateConfirmationTest, ShowsBothOptionsWithInstallationSelected) {
    ReachPage3();
    EXPECT_EQ(Form().Label_inst->Caption(), "\tTHESAUFR#116389");
    EXPECT_EQ(Form().Label_desinst->Caption(), "\tTHESAUFR#106178");
    EXPECT_EQ(Form().Label_inst->Font().Color(), 0x873D21u);
    EXPECT_EQ(Form().Label_desinst->Font().Color(), 0x873D21u);
    EXPECT_EQ(Form().Label_HC_ConfMAJ->Caption(), "Installation de la suite Solvane");
    ExpectInstallChosen();
}

TEST_F(UpdateConfirmationTest, YesAtOnceReinstalls) {
    ReachPage3();
    Click(Form().touche_ConfMAJ_yes);
    ExpectNewTrace(ConfirmedLines("Non Independant"), "OnPageInstallEnCours");
    EXPECT_TRUE(State.IsInstallation);
    EXPECT_EQ(Page(), kPageInstallInProgress);
    EXPECT_EQ(RegistryString(kProductKey, "CD"), "E:\\");
}

TEST_F(UpdateConfirmationTest, ClickingTheRemovalLineChoosesRemovalAndAgainChangesNothing) {
    ReachPage3();
    Click(Form().Label_desinst);
    ExpectRemovalChosen();
    Click(Form().Label_desinst);
    ExpectRemovalChosen();
    Click(Form().Label_inst);
    ExpectInstallChosen();
    Click(Form().Label_inst);
    ExpectInstallChosen();
}

TEST_F(UpdateConfirmationTest, EachArrowFlipsTheChoiceAndTwoRestoreIt) {
    ReachPage3();
    for (std::uint16_t key : {kKeyLeft, kKeyUp, kKeyRight, kKeyDown}) {
        Press(key);
        ExpectRemovalChosen();
        Press(key);
        ExpectInstallChosen();
    }
}

TEST_F(UpdateConfirmationTest, ArrowAndEnterRemove) {
    ReachPage3();
    Press(kKeyDown);
    Press(kKeyReturn);
    ExpectNewTrace(ConfirmedLines("Non Independant"), "OnPageInstallEnCours");
    EXPECT_FALSE(State.IsInstallation);
    EXPECT_EQ(Page(), kPageInstallInProgress);
}

TEST_F(UpdateConfirmationTest, TheRemovalLineAndTheYesButtonRemove) {
    AcLine(0);
    ReachPage3();
    Click(Form().Label_desinst);
    Click(Form().touche_ConfMAJ_yes);
    EXPECT_FALSE(State.IsInstallation);
    EXPECT_EQ(Page(), kPageMainsPower);
}

TEST_F(UpdateConfirmationTest, AnIndependentRemovalShowsTheLicenceFirst) {
    Independent("TRUE");
    ReachPage3();
    Press(kKeyUp);
    Press(kKeyReturn);
    ExpectNewTrace(ConfirmedLines("Independant"), "PageClufShow");
    EXPECT_FALSE(State.IsInstallation);
    EXPECT_EQ(Page(), kPageLicence);
}

TEST_F(UpdateConfirmationTest, BothVersionsEmptyAreRefusedOnConfirmation) {
    MediumWithoutApplicIni();
    machine.WriteFile("D:\\APP\\BRENDOL\\applic.ini", "[APPLICATION]\r\n");
    ReachPage3();
    Press(kKeyReturn);
    ExpectNewTrace({"touche_ConfMAJ_yesClick", "versionCD=", "versionHD=", "version KO"},
                   "OnPageErreurVersion");
    EXPECT_EQ(Page(), kPageVersionError);
}

TEST_F(UpdateConfirmationTest, TheRefusedMachineTypeEndsOnTheErrorPage) {
    RefusedMachineType();
    ReachPage3();
    Press(kKeyDown);
    Press(kKeyReturn);
    ExpectNewTrace({"touche_ConfMAJ_yesClick", "versionCD=5.2.0", "versionHD=5.2.0", "version OK",
                    "installation sur machine ZELIA"},
                   "OnPageErreurVersion");
    EXPECT_EQ(Page(), kPageVersionError);
}

TEST_F(UpdateConfirmationTest, NoEndsTheProgramWithoutWritingTheRegistry) {
    ReachPage3();
    const auto before = machine.RegistryValueNames(kProductKey);
    Click(Form().touche_ConfMAJ_no);
    EXPECT_TRUE(Closed());
    EXPECT_EQ(machine.RegistryValueNames(kProductKey), before);
    EXPECT_EQ(RegistryString(kProductKey, "CD"), "<missing>");
}

}  // namespace
}  // namespace tavrik::testing
