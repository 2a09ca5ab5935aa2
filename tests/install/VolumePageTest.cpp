// Page 1: the fixed volume of a first installation.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "DecisionFixture.h"
#include "app/ProgramState.h"
#include "config/Registry.h"

namespace tavrik::testing {
namespace {

class VolumePageTest : public DecisionTest {
protected:
    // No PathInstall and the demo medium's version: a first installation.
    void ReachPage1() {
        StartWizard();
        ConfirmLanguage();
        ASSERT_EQ(Page(), kPageVolumeInstall);
        MarkTrace();
    }
    std::vector<std::string> Items() { return Form().listbox1->Items().Items(); }
    int Selection() { return Form().listbox1->ItemIndex(); }
    // Enter as Windows delivers it: the key, then its character.
    void PressEnter() {
        Press(kKeyReturn);
        host.TypeChar(Form(), '\r');
    }
};

TEST_F(VolumePageTest, ListsOnlyTheFixedDrivesInDriveOrder) {
    machine.AddDrive('D', platform::kDriveCdRom);
    machine.AddDrive('F', platform::kDriveRemote);
    machine.AddDrive('G', platform::kDriveFixed);
    machine.AddDrive('H', platform::kDriveRemovable);
    machine.AddDrive('R', platform::kDriveRamDisk);
    ReachPage1();
    EXPECT_EQ(Items(), (std::vector<std::string>{"C:\\ Fixed volume", "G:\\ Fixed volume"}));
    EXPECT_EQ(Selection(), 0);
    EXPECT_EQ(Form().UpDown1->Max(), 2);
    EXPECT_EQ(Form().Label_VolInstall->Caption(), "THESAUFR#116387. ");
    EXPECT_EQ(Form().Label_VolInstall->Font().Color(), 0x873D21u);
    EXPECT_EQ(Form().listbox1->Font().Color(), 0x873D21u);
}

TEST_F(VolumePageTest, AllTwentySixDriveLettersFit) {
    for (char letter = 'A'; letter <= 'Z'; ++letter) {
        if (letter != 'E') machine.AddDrive(letter, platform::kDriveFixed);
    }
    ReachPage1();
    ASSERT_EQ(Items().size(), 25u);
    EXPECT_EQ(Items().front(), "A:\\ Fixed volume");
    EXPECT_EQ(Items().back(), "Z:\\ Fixed volume");
    for (int i = 0; i < 24; ++i) Press(kKeyDown);
    PressEnter();
    EXPECT_EQ(RegistryString(kProductKey, "PathInstall"), "Z:");
}

TEST_F(VolumePageTest, ArrowKeysMoveTheSelectionAndStopAtTheEnds) {
    machine.AddDrive('D', platform::kDriveFixed);
    machine.AddDrive('F', platform::kDriveFixed);
    ReachPage1();
    const std::pair<std::uint16_t, int> steps[] = {{kKeyUp, 0},   {kKeyDown, 1}, {kKeyDown, 2},
                                                   {kKeyDown, 2}, {kKeyUp, 1},   {kKeyLeft, 1},
                                                   {kKeyRight, 1}};
    for (const auto& [key, selected] : steps) {
        Press(key);
        EXPECT_EQ(Selection(), selected) << KeyName(key);
    }
}

TEST_F(VolumePageTest, TheUpDownArrowsMoveTheSelectionAndStopAtTheEnds) {
    machine.AddDrive('D', platform::kDriveFixed);
    ReachPage1();
    using vcl::UpDownButton;
    const std::pair<UpDownButton, int> steps[] = {{UpDownButton::Next, 0},
                                                  {UpDownButton::Previous, 1},
                                                  {UpDownButton::Previous, 1},
                                                  {UpDownButton::Next, 0}};
    for (const auto& [button, selected] : steps) {
        host.PressUpDown(*Form().UpDown1, button);
        EXPECT_EQ(Selection(), selected);
    }
}

struct PowerCase {
    std::uint8_t acLine;
    int page;
};

class VolumeValidateTest : public VolumePageTest,
                           public ::testing::WithParamInterface<PowerCase> {};

// Validation writes the drive and goes on, without the confirmation's
// "Independant" / "Non Independant" lines: the work on mains, else the
// mains check.
TEST_P(VolumeValidateTest, EnterWritesTheDriveAndGoesOnWithoutTraceLines) {
    machine.AddDrive('D', platform::kDriveFixed);
    AcLine(GetParam().acLine);
    ReachPage1();
    Press(kKeyDown);
    PressEnter();
    EXPECT_EQ(RegistryString(kProductKey, "PathInstall"), "D:");
    EXPECT_TRUE(State.InstallPathChosen);
    EXPECT_TRUE(State.IsInstallation);
    EXPECT_EQ(Page(), GetParam().page);
    ExpectNewTrace({}, GetParam().page == kPageInstallInProgress ? "OnPageInstallEnCours" : "");
}

INSTANTIATE_TEST_SUITE_P(Power, VolumeValidateTest,
                         ::testing::Values(PowerCase{1, kPageInstallInProgress},
                                           PowerCase{0, kPageMainsPower},
                                           PowerCase{255, kPageMainsPower}));

TEST_F(VolumePageTest, TheValidateButtonWritesTheSelectedDrive) {
    ReachPage1();
    Click(Form().Bouton_Valide_PageVolInstall);
    EXPECT_EQ(RegistryString(kProductKey, "PathInstall"), "C:");
}

TEST_F(VolumePageTest, AnIndependentInstallationShowsTheLicence) {
    Independent("TRUE");
    AcLine(0);
    ReachPage1();
    Click(Form().Bouton_Valide_PageVolInstall);
    EXPECT_EQ(Page(), kPageLicence);
    ExpectNewTrace({}, "PageClufShow");
    EXPECT_EQ(Form().Label_HC_VolInstall->Caption(), "Seule");
}

TEST_F(VolumePageTest, EnterValidatesOnlyOnThisPage) {
    StartWizard();
    host.TypeChar(Form(), '\r');
    EXPECT_EQ(RegistryString(kProductKey, "PathInstall"), "<missing>");
    EXPECT_FALSE(State.InstallPathChosen);
    EXPECT_EQ(Page(), kPageRecommendation);
}

class NoFixedDriveTest : public VolumePageTest, public ::testing::WithParamInterface<int> {};

// Nothing can be chosen; the page says so and each way out ends the run.
TEST_P(NoFixedDriveTest, NothingCanBeChosenAndEachWayOutEndsTheRun) {
    machine.AddDrive('C', platform::kDriveRemovable);
    ReachPage1();
    EXPECT_TRUE(Items().empty());
    EXPECT_EQ(Selection(), -1);
    EXPECT_EQ(TraceLines().back(), "aucun volume fixe");
    EXPECT_EQ(Form().Label_VolInstall->Caption(), ScriptedPhrase("THESAUFR", 122392) + " :\n\n" +
                                                      ScriptedPhrase("THESAUFR", 122391) + ". ");
    Press(kKeyUp);
    Press(kKeyDown);
    host.PressUpDown(*Form().UpDown1, vcl::UpDownButton::Previous);
    EXPECT_FALSE(Closed());
    switch (GetParam()) {
        case 0:
            PressEnter();
            break;
        case 1:
            Click(Form().Bouton_Valide_PageVolInstall);
            break;
        default:
            Press(kKeyF1);
            break;
    }
    EXPECT_TRUE(Closed());
    EXPECT_EQ(RegistryString(kProductKey, "PathInstall"), "<missing>");
    EXPECT_FALSE(State.InstallPathChosen);
    EXPECT_TRUE(host.Exceptions().empty());
}

INSTANTIATE_TEST_SUITE_P(EnterValidateF1, NoFixedDriveTest, ::testing::Values(0, 1, 2));

TEST_F(VolumePageTest, ShowingThePageAgainRebuildsTheListAndSelectsTheFirstItem) {
    machine.AddDrive('D', platform::kDriveFixed);
    ReachPage1();
    Press(kKeyDown);
    machine.AddDrive('F', platform::kDriveFixed);
    Form().ShowPage(kPageRecommendation);
    Form().ShowPage(kPageVolumeInstall);
    EXPECT_EQ(Items(), (std::vector<std::string>{"C:\\ Fixed volume", "D:\\ Fixed volume",
                                                 "F:\\ Fixed volume"}));
    EXPECT_EQ(Selection(), 0);
}

}  // namespace
}  // namespace tavrik::testing
