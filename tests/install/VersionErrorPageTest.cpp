// Page 2: the refused run's message, the same whatever the cause.
#include <gtest/gtest.h>

#include <string>

#include "DecisionFixture.h"

namespace tavrik::testing {
namespace {

class VersionErrorPageTest : public DecisionTest, public ::testing::WithParamInterface<bool> {};

TEST_P(VersionErrorPageTest, ShowsTheSameRedMessageForEveryRefusal) {
    if (GetParam()) {
        RefusedMachineType();
    } else {
        MediumVersion("5.1.0");
        InstalledOnD("5.2.0");
    }
    StartWizard();
    ConfirmLanguage();
    ASSERT_EQ(Page(), kPageVersionError);
    EXPECT_EQ(Form().Label_BadVersion->Caption(),
              "THESAUFR#122392 :\n\nTHESAUFR#46846. \n\nTHESAUFR#122391. ");
    EXPECT_EQ(Form().Label_BadVersion->Font().Color(), 0x0000FFu);
    EXPECT_EQ(Form().Label_HC_BadVersion->Caption(), "Installation de la suite Solvane");

    Press(kKeyReturn);
    EXPECT_TRUE(Closed());
}

INSTANTIATE_TEST_SUITE_P(Causes, VersionErrorPageTest, ::testing::Values(false, true),
                         [](const auto& cause) {
                             return std::string(cause.param ? "RefusedMachine" : "Downgrade");
                         });

}  // namespace
}  // namespace tavrik::testing
