// Page 8: the licence agreement of an independent installation.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "DecisionFixture.h"
#include "app/ProgramState.h"
#include "config/Registry.h"

namespace tavrik::testing {
namespace {

class LicencePageTest : public DecisionTest {
protected:
    void SetUp() override {
        PutOnMedium("cluf_FR.txt", "Contrat\r\nligne 2\r\n");
        PutOnMedium("cluf_GB.txt", "Agreement\r\n");
        Independent("TRUE");
        AcLine(0);  // acceptance makes no mains test
    }
    // A first installation on C: whose dictionary is `dictionary`.
    void ReachPage8(const std::string& dictionary = "THESAUFR.DBZ") {
        StartWizard();
        State.DictionaryFileName = dictionary;
        ConfirmLanguage();
        ASSERT_EQ(Page(), kPageVolumeInstall);
        Click(Form().Bouton_Valide_PageVolInstall);
        ASSERT_EQ(Page(), kPageLicence);
    }
    std::vector<std::string> Agreement() { return Form().Memo1->Lines().Items(); }
};

struct LicenceCase {
    const char* dictionary;
    std::vector<std::string> agreement;
};

class LicenceFileTest : public LicencePageTest,
                        public ::testing::WithParamInterface<LicenceCase> {};

TEST_P(LicenceFileTest, TheLanguageCodeChoosesTheText) {
    ReachPage8(GetParam().dictionary);
    EXPECT_EQ(Agreement(), GetParam().agreement);
}

INSTANTIATE_TEST_SUITE_P(
    Codes, LicenceFileTest,
    ::testing::Values(LicenceCase{"THESAUFR.DBZ", {"Contrat", "ligne 2"}},
                      LicenceCase{"E:\\BRENDOL\\DICO\\THESAUfr.bmp", {"Contrat", "ligne 2"}},
                      LicenceCase{"E:\\BRENDOL\\DICO\\THESAUDE.bmp", {"Agreement"}},
                      LicenceCase{"THESAUfR.DBZ", {"Agreement"}},
                      LicenceCase{"THESAUGB.DBZ", {"Agreement"}}, LicenceCase{"", {"Agreement"}}));

TEST_F(LicencePageTest, ShowsTheChoiceTextsInTheAgreementColours) {
    ReachPage8();
    EXPECT_EQ(Form().Label1->Caption(), "THESAUFR#122389. ");
    EXPECT_EQ(Form().Label2->Caption(), "THESAUFR#122390. ");
    for (vcl::TControl* control :
         std::vector<vcl::TControl*>{Form().Label1, Form().Label2, Form().Memo1}) {
        EXPECT_EQ(control->Font().Color(), 0x873D21u) << control->Name();
    }
    for (vcl::TControl* control : std::vector<vcl::TControl*>{
             Form().Memo1, Form().RadioButtonCLUFOui, Form().RadioButtonCLUFNon}) {
        EXPECT_EQ(control->Color(), 0xB6D9E6u) << control->Name();
    }
    EXPECT_EQ(Form().Label_HC_CLUF->Caption(), "Seule");
    EXPECT_FALSE(Form().RadioButtonCLUFOui->Checked());
    EXPECT_FALSE(Form().RadioButtonCLUFNon->Checked());
}

TEST_F(LicencePageTest, ValidatingBeforeAnyChoiceDoesNothing) {
    ReachPage8();
    Click(Form().SpeedButton31);
    Press(kKeyReturn);
    EXPECT_EQ(Page(), kPageLicence);
    EXPECT_FALSE(Closed());
}

TEST_F(LicencePageTest, AcceptanceStartsTheWorkWithoutAMainsTest) {
    ReachPage8();
    Click(Form().Label2);
    EXPECT_FALSE(Form().RadioButtonCLUFOui->Checked());
    EXPECT_TRUE(Form().RadioButtonCLUFNon->Checked());
    Click(Form().Label1);
    EXPECT_TRUE(Form().RadioButtonCLUFOui->Checked());
    EXPECT_FALSE(Form().RadioButtonCLUFNon->Checked());
    Press(kKeyReturn);
    EXPECT_EQ(Page(), kPageInstallInProgress);
    EXPECT_FALSE(Closed());
}

TEST_F(LicencePageTest, RefusalEndsTheProgramAndWritesNothing) {
    ReachPage8();
    const std::vector<std::string> before = machine.RegistryValueNames(kProductKey);
    Click(Form().Label2);
    Click(Form().SpeedButton31);
    EXPECT_TRUE(Closed());
    EXPECT_EQ(machine.RegistryValueNames(kProductKey), before);
}

TEST_F(LicencePageTest, AMissingTextShowsAnEmptyAgreementThatCanStillBeChosen) {
    RemoveFromMedium("cluf_FR.txt");
    ReachPage8();
    EXPECT_TRUE(Agreement().empty());
    EXPECT_TRUE(host.Exceptions().empty());
    Click(Form().Label2);
    Click(Form().Label1);
    Click(Form().SpeedButton31);
    EXPECT_EQ(Page(), kPageInstallInProgress);
}

}  // namespace
}  // namespace tavrik::testing
