// Every row of the page table's keys, each through the key as a person
// presses it (key preview first).
#include <gtest/gtest.h>

#include <algorithm>
#include <ostream>
#include <utility>
#include <vector>

#include "WizardFixture.h"
#include "app/ProgramState.h"
#include "config/Registry.h"
#include "localisation/FlagGrid.h"
#include "vcl/Host.h"

namespace tavrik::testing {
namespace {

class KeyboardTest : public WizardTest {
protected:
    void SetUp() override { StartWizard(); }
    void On(int page) {
        if (page == kPageLanguageConfirmation) {
            State.SelectedLanguage = "1";  // page 5 shows the flag chosen on page 4
        }
        Form().ShowPage(page);
        ASSERT_EQ(Page(), page);
    }
};

// What a key does that can be seen without more set-up: the wizard closes,
// another page shows, or nothing at all happens (no trace line either).
struct KeyCase {
    int page;
    std::uint16_t key;
    int leadsTo;  // kCloses, or a page (the same page: nothing happens)
    vcl::ShiftState shift = 0;
};
constexpr int kCloses = 0;

std::ostream& operator<<(std::ostream& out, const KeyCase& c) {
    return out << PageName(c.page) << ", " << KeyName(c.key) << " shift " << int{c.shift};
}

std::vector<KeyCase> KeyCases() {
    std::vector<KeyCase> cases = {
        {kPageUpdateConfirmation, kKeyF1, kCloses},
        {kPageLanguageChoice, kKeyF1, kCloses},
        {kPageRecommendation, kKeyF1, kCloses},
        {kPageLicence, kKeyF1, kCloses},
        {kPageRunningApplications, kKeyF1, kCloses},
        {kPageReboot, kKeyF1, kCloses},
        {kPageMainsPower, kKeyF1, kCloses},
        {kPageVolumeInstall, kKeyF1, kPageVolumeInstall},  // a fixed disk to choose
        {kPageVersionError, kKeyF1, kPageVersionError},
        {kPageLanguageConfirmation, kKeyF1, kPageLanguageConfirmation},
        {kPageLicence, kKeyF1, kCloses, vcl::kShiftShift | vcl::kShiftCtrl | vcl::kShiftAlt},
        {kPageRecommendation, kKeyF3, kPageRecommendation},
        {kPageUpdateConfirmation, kKeyF4, kCloses},
        {kPageLanguageConfirmation, kKeyF4, kPageLanguageChoice},
        {kPageLanguageChoice, kKeyF4, kPageLanguageChoice},
        {kPageRecommendation, kKeyF4, kPageRecommendation},
        {kPageLicence, kKeyF4, kPageLicence},
        {kPageMainsPower, kKeyF4, kPageMainsPower},
        {kPageVersionError, kKeyReturn, kCloses},
        {kPageRecommendation, kKeyReturn, kPageLanguageChoice},
    };
    for (int page = 1; FindPage(page) != nullptr; ++page) cases.push_back({page, kKeyF2, page});
    return cases;
}

class KeyTableTest : public KeyboardTest, public ::testing::WithParamInterface<KeyCase> {};

TEST_P(KeyTableTest, KeyLeadsWhereItShould) {
    const KeyCase& c = GetParam();
    On(c.page);
    const std::size_t lines = TraceLines().size();
    Press(c.key, c.shift);
    if (c.leadsTo == kCloses) {
        EXPECT_TRUE(Closed());
        return;
    }
    EXPECT_FALSE(Closed());
    EXPECT_EQ(Page(), c.leadsTo);
    if (c.leadsTo == c.page) {
        EXPECT_EQ(TraceLines().size(), lines);
    }
}

INSTANTIATE_TEST_SUITE_P(Pages, KeyTableTest, ::testing::ValuesIn(KeyCases()));

TEST_F(KeyboardTest, F1OnTheProgressPageWaitsForTheEndOfTheSetup) {
    On(kPageInstallInProgress);
    State.SetupFinished = false;
    Press(kKeyF1);
    EXPECT_FALSE(Closed());
    State.SetupFinished = true;
    Press(kKeyF1);
    EXPECT_TRUE(Closed());
}

TEST_F(KeyboardTest, F3ConfirmsTheLanguageOnPage5) {
    On(kPageLanguageConfirmation);
    Press(kKeyF3);
    EXPECT_TRUE(Traced("pathInstall.IsEmpty()"));
}

TEST_F(KeyboardTest, EnterOnPage3DecidesFromTheRemovalMark) {
    // Installed with the medium's own version: the confirmation goes on as a
    // removal.
    machine.SetRegistryValue(kProductKey, "PathInstall", platform::StringValue("C:"));
    machine.WriteFile("C:\\APP\\BRENDOL\\applic.ini", "[APPLICATION]\r\nVSOFT=5.2.0\r\n");
    On(kPageUpdateConfirmation);
    Press(kKeyDown);  // removal
    Press(kKeyReturn);
    EXPECT_FALSE(State.IsInstallation);
    const auto lines = TraceLines();
    EXPECT_EQ(std::count(lines.begin(), lines.end(), std::string("touche_ConfMAJ_yesClick")), 1);
}

TEST_F(KeyboardTest, ArrowsOnPage3FlipTheChoiceAndTwoPressesRestoreIt) {
    On(kPageUpdateConfirmation);
    ASSERT_TRUE(Form().RadioButton1->Checked());
    for (std::uint16_t key : {kKeyLeft, kKeyUp, kKeyRight, kKeyDown}) {
        Press(key);
        EXPECT_FALSE(Form().RadioButton1->Checked());
        EXPECT_TRUE(Form().RadioButton2->Checked());
        EXPECT_EQ(Form().Label_desinst->Font().Style(), vcl::fsBold | vcl::fsUnderline);
        EXPECT_EQ(Form().Label_inst->Font().Style(), vcl::fsBold);
        Press(key);
        EXPECT_TRUE(Form().RadioButton1->Checked());
        EXPECT_FALSE(Form().RadioButton2->Checked());
        EXPECT_EQ(Form().Label_inst->Font().Style(), vcl::fsBold | vcl::fsUnderline);
        EXPECT_EQ(Form().Label_desinst->Font().Style(), vcl::fsBold);
    }
}

TEST_F(KeyboardTest, EnterOnPage4ConfirmsTheHighlightedFlag) {
    On(kPageLanguageChoice);
    Press(kKeyRight);
    EXPECT_TRUE(State.FlagKeyNavigation);
    EXPECT_EQ(State.SelectedLanguage, std::to_string(State.FlagGrid->Index));
    const std::string chosen = State.SelectedLanguage;
    Press(kKeyReturn);
    EXPECT_EQ(Page(), kPageLanguageConfirmation);
    EXPECT_EQ(State.SelectedLanguage, chosen);
}

TEST_F(KeyboardTest, ArrowsOnPage4MoveTheHighlightAndTheScrollBar) {
    On(kPageLanguageChoice);
    const int index = State.FlagGrid->Index;
    Press(kKeyLeft);
    EXPECT_NE(State.FlagGrid->Index, index);
    EXPECT_EQ(Form().FondSelection->Left(), State.FlagGrid->LeftOf(State.FlagGrid->Index) - 3);
    EXPECT_EQ(Form().FondSelection->Top(),
              State.FlagGrid->TopOf(State.FlagGrid->Index) + State.FlagGrid->TopMargin - 3);
    EXPECT_EQ(Form().ScrollBar1->Position(), State.FlagGrid->RowOf(State.FlagGrid->Index));
}

TEST_F(KeyboardTest, EnterOnTheProgressPageWaitsUnlessTheLibrariesWereInUse) {
    On(kPageInstallInProgress);
    State.SetupFinished = false;
    State.DllTestPassed = true;
    Press(kKeyReturn);
    EXPECT_FALSE(Closed());
    State.DllTestPassed = false;  // libraries in use: Enter offers the restart
    Press(kKeyReturn);
    EXPECT_EQ(Page(), kPageReboot);
    On(kPageInstallInProgress);
    State.DllTestPassed = false;
    State.IsInstallation = false;  // a removal has none to offer: Enter ends it
    Press(kKeyReturn);
    EXPECT_TRUE(Closed());
}

TEST_F(KeyboardTest, EnterOnTheProgressPageEndsTheRunOnceTheSetupHasFinished) {
    On(kPageInstallInProgress);
    State.DllTestPassed = true;
    State.SetupFinished = true;
    machine.SetRegistryValue(kProductKey, "Install", platform::StringValue("1"));
    Press(kKeyReturn);
    EXPECT_EQ(RegistryString(kProductKey, "Install"), "0");
    EXPECT_TRUE(Closed());
    const auto lines = TraceLines();
    EXPECT_EQ(std::vector<std::string>(lines.end() - 2, lines.end()),
              (std::vector<std::string>{"FinInstall", "c'etait une installation"}));
}

TEST_F(KeyboardTest, EnterOnTheLicencePageValidatesItsChoice) {
    On(kPageLicence);
    Press(kKeyReturn);
    EXPECT_EQ(Page(), kPageLicence);  // nothing chosen yet
    Click(Form().Label1);
    Press(kKeyReturn);
    EXPECT_EQ(Page(), kPageInstallInProgress);
}

TEST_F(KeyboardTest, EnterOnTheMainsPageFollowsThePowerStatus) {
    On(kPageMainsPower);
    AcLine(0);
    Press(kKeyReturn);
    EXPECT_EQ(Page(), kPageMainsPower);
    AcLine(1);
    Press(kKeyReturn);
    EXPECT_EQ(Page(), kPageInstallInProgress);
}

TEST_F(KeyboardTest, EnterOnTheRestartPageRestartsDuringAnInstallation) {
    machine.SetRegistryValue(kProductKey, "PathInstall", platform::StringValue("C:"));
    On(kPageReboot);
    Press(kKeyReturn);
    ASSERT_EQ(machine.ShellLinks().size(), 1u);
    EXPECT_EQ(machine.ShellLinks()[0].arguments, "-reboot");
    EXPECT_EQ(machine.ShellLinks()[0].targetPath, "E:\\tavrik.exe");
    EXPECT_EQ(machine.ShellLinks()[0].workingDirectory, "E:\\");
    EXPECT_EQ(RegistryString(kRunOnceKey, "Install"), "c:\\Tavrik.lnk");
    EXPECT_EQ(machine.RestartRequests(), std::vector<bool>{true});
    EXPECT_TRUE(Closed());
}

TEST_F(KeyboardTest, EnterOnTheRestartPageGoesToTheWorkDuringARemoval) {
    State.IsInstallation = false;
    On(kPageReboot);
    Press(kKeyReturn);
    EXPECT_EQ(Page(), kPageInstallInProgress);
    EXPECT_TRUE(machine.ShellLinks().empty());
    EXPECT_TRUE(machine.RestartRequests().empty());
    EXPECT_EQ(RegistryString(kRunOnceKey, "Install"), "<missing>");
}

TEST_F(KeyboardTest, UpAndDownOnPage1MoveTheVolumeSelectionWithinItsLimits) {
    machine.AddDrive('D', platform::kDriveFixed);
    On(kPageVolumeInstall);
    ASSERT_EQ(Form().listbox1->Items().Count(), 2);
    EXPECT_EQ(Form().listbox1->ItemIndex(), 0);
    const std::pair<std::uint16_t, int> steps[] = {
        {kKeyUp, 0}, {kKeyDown, 1}, {kKeyDown, 1}, {kKeyUp, 0}};
    for (const auto& [key, selected] : steps) {
        Press(key);
        EXPECT_EQ(Form().listbox1->ItemIndex(), selected) << KeyName(key);
    }
}

TEST_F(KeyboardTest, EnterValidatesTheVolumePageThroughTheKeyPressHandler) {
    On(kPageVolumeInstall);
    host.TypeChar(Form(), '\r');
    EXPECT_EQ(RegistryString(kProductKey, "PathInstall"), "C:");
}

TEST_F(KeyboardTest, EnterOnOtherPagesIsNotAVolumeValidation) {
    On(kPageRecommendation);
    host.TypeChar(Form(), '\r');
    EXPECT_EQ(RegistryString(kProductKey, "PathInstall"), "<missing>");
}

}  // namespace
}  // namespace tavrik::testing
