// Page 11: the user may go on only once mains power is reported.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "tests/install/DecisionFixture.h"

namespace tavrik::testing {
namespace {

class MainsPowerPageTest : public DecisionTest {
protected:
    // An update started on battery.
    void ReachPage11() {
        MediumVersion("5.3.0");
        InstalledOnD("5.2.0");
        AcLine(0);
        StartWizard();
        ConfirmLanguage();
        ASSERT_EQ(Page(), kPageMainsPower);
    }
};

TEST_F(MainsPowerPageTest, AsksInThreePhrases) {
    ReachPage11();
    EXPECT_EQ(Form().LabelPageControleSecteur->Caption(),
              "THESAUFR#17877. \n\nTHESAUFR#126842. \n\nTHESAUFR#93411. ");
    EXPECT_EQ(Form().LabelPageControleSecteur->Font().Color(), 8863009u);
    EXPECT_EQ(Form().LabelHautPageControleSecteur->Caption(), "Installation de la suite Solvane");
}

struct PowerCase {
    const char* name;
    int acLine;  // -1: the query fails
    bool goesOn;
};

class MainsPowerValidateTest : public MainsPowerPageTest,
                               public ::testing::WithParamInterface<PowerCase> {
protected:
    void PowerNow() {
        if (GetParam().acLine < 0) {
            machine.SetPowerStatusFails(true);
        } else {
            AcLine(static_cast<std::uint8_t>(GetParam().acLine));
        }
    }
    int Expected() const { return GetParam().goesOn ? kPageInstallInProgress : kPageMainsPower; }
};

TEST_P(MainsPowerValidateTest, TheValidateButtonGoesOnOnlyOnMains) {
    ReachPage11();
    PowerNow();
    Click(Form().SpeedButtonValidPageControleSecteur);
    EXPECT_EQ(Page(), Expected());
    EXPECT_FALSE(Closed());
}

INSTANTIATE_TEST_SUITE_P(Statuses, MainsPowerValidateTest,
                         ::testing::Values(PowerCase{"Offline", 0, false},
                                           PowerCase{"Online", 1, true},
                                           PowerCase{"Unknown", 255, false},
                                           PowerCase{"QueryFails", -1, false}),
                         [](const auto& power) { return std::string(power.param.name); });

// Enter acts as validate: nothing on battery, then on once plugged in.
TEST_F(MainsPowerPageTest, PluggingInLetsTheUserGoOn) {
    ReachPage11();
    Press(kKeyReturn);
    EXPECT_EQ(Page(), kPageMainsPower);
    AcLine(1);
    Press(kKeyReturn);
    EXPECT_EQ(Page(), kPageInstallInProgress);
}

}  // namespace
}  // namespace tavrik::testing
