#include <gtest/gtest.h>

#include "app/ProgramState.h"
#include "app/WizardFixture.h"
#include "config/Registry.h"
#include "install/EndOfRun.h"

namespace tavrik::testing {
namespace {

class EndOfRunTest : public WizardTest {
protected:
    void SetUp() override {
        StartWizard();
        Form().ShowPage(kPageInstallInProgress);
        machine.SetRegistryValue(kProductKey, "Install", platform::StringValue("1"));
        machine.SetRegistryValue(kProductKey, "PathInstall", platform::StringValue("C:"));
    }
    std::vector<std::string> LastLines(std::size_t count) {
        const auto lines = TraceLines();
        return std::vector<std::string>(lines.end() - static_cast<long>(count), lines.end());
    }
};

TEST_F(EndOfRunTest, AnInstallationClearsItsMarkerAndEnds) {
    FinInstall(Form());
    EXPECT_EQ(RegistryString(kProductKey, "Install"), "0");
    EXPECT_EQ(RegistryString(kProductKey, "PathInstall"), "C:");
    EXPECT_TRUE(Closed());
    EXPECT_EQ(LastLines(2), (std::vector<std::string>{"FinInstall", "c'etait une installation"}));
}

TEST_F(EndOfRunTest, ARemovalDeletesTheWholeProductKeyWhateverTheUpdateResult) {
    State.IsInstallation = false;
    State.SetupSucceeded = true;
    State.ComponentSetupExitCode = 0;
    machine.CreateRegistryKey(std::string(kProductKey) + "\\APP_Running");
    FinInstall(Form());
    EXPECT_FALSE(machine.HasRegistryKey(kProductKey));
    EXPECT_EQ(LastLines(3), (std::vector<std::string>{"FinInstall", "c'etait une desinstallation",
                                                      "RG_code_retour_QXD == 0"}));
}

TEST_F(EndOfRunTest, AnUpdateResultOfZeroShowsTheClosingMessageFirst) {
    State.ComponentSetupExitCode = 0;
    State.SetupSucceeded = true;
    FinInstall(Form());
    EXPECT_FALSE(Closed());
    EXPECT_TRUE(State.SetupFinished);
    EXPECT_TRUE(Form().Bouton_Valide_MAJEnCours->Visible());
    EXPECT_EQ(Form().Texte_Page_MAJEnCours->Caption(), "THESAUFR#118556\nTHESAUFR#78759");
    EXPECT_EQ(State.ComponentSetupExitCode, -1);

    machine.SetRegistryValue(kProductKey, "Install", platform::StringValue("1"));
    State.DllTestPassed = true;
    Click(Form().Bouton_Valide_MAJEnCours);  // the second press ends the run
    EXPECT_EQ(RegistryString(kProductKey, "Install"), "0");
    EXPECT_TRUE(Closed());
}

TEST_F(EndOfRunTest, ANonZeroUpdateResultEndsAtTheFirstPress) {
    State.ComponentSetupExitCode = 2;
    State.SetupSucceeded = true;
    FinInstall(Form());
    EXPECT_TRUE(Closed());
}

TEST_F(EndOfRunTest, AFailedSetupNeverShowsTheInstallationAsComplete) {
    State.ComponentSetupExitCode = 0;
    State.SetupSucceeded = false;
    FinInstall(Form());
    EXPECT_TRUE(Closed());
}

}  // namespace
}  // namespace tavrik::testing
