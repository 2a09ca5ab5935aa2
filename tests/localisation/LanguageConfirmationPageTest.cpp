// Page 5: the chosen flag and the question in the chosen language, which
// becomes the wizard's dictionary.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "LanguagePagesFixture.h"
#include "app/ProgramState.h"
#include "vcl/Application.h"

namespace tavrik::testing {
namespace {

const std::string kItalian = "E:\\BRENDOL\\DICO\\THESAUIT.bmp";

class LanguageConfirmationTest : public LanguagePagesTest {
protected:
    void SetUp() override {
        UseDemoFlags({"DE", "FR", "IT", "RU"});
        StartWizard();
        ShowLanguagePage();
    }
    void Choose(int flag) {
        Click(FlagButton(flag));
        ASSERT_EQ(Page(), kPageLanguageConfirmation);
    }
    const vcl::TImage& Flag() { return *Form().Drapeaux_CF_LG; }
};

TEST_F(LanguageConfirmationTest, TheThirdFlagSwitchesTheWizardToItsDictionary) {
    Choose(3);
    EXPECT_EQ(State.DictionaryFileName, kItalian);
    const auto lines = TraceLines();
    ASSERT_GE(lines.size(), 2u);
    EXPECT_EQ(lines[lines.size() - 2], "OnPage_conf_LG");
    EXPECT_EQ(lines.back(), "dico= " + kItalian);

    const vcl::TLabel* question = Form().Label_CF_LG;
    EXPECT_EQ(question->Caption(), "THESAUIT#47044");
    EXPECT_EQ(question->Font().Color(), vcl::TColor{0x873D21});
    EXPECT_EQ(Form().GetPhrase(278, false), "THESAUIT#278");  // and so does every later phrase

    EXPECT_EQ(Form().Font().Name(), "Arial");
    EXPECT_EQ(Form().Font().Charset(), 0);
    EXPECT_EQ(Form().Font().Size(), 12);
    EXPECT_EQ(Form().Font().Style(), vcl::fsBold);

    EXPECT_EQ(Flag().Picture().Width(), 45);
    EXPECT_EQ(Flag().Width(), 45);
    EXPECT_EQ(Flag().Height(), 37);
    EXPECT_GT(Form().SpeedButton_oui_CF_LG->Glyph().Width(), 0);
    EXPECT_GT(Form().SpeedButton_non_CF_LG->Glyph().Width(), 0);
    EXPECT_TRUE(host.Exceptions().empty());
}

TEST_F(LanguageConfirmationTest, ACyrillicLanguageBringsItsFont) {
    Choose(4);
    EXPECT_EQ(Form().Label_CF_LG->Caption(), "THESAURU#47044");
    EXPECT_EQ(Form().Font().Name(), "Arial Cyr");
    EXPECT_EQ(Form().Font().Charset(), 204);
}

TEST_F(LanguageConfirmationTest, NoThenAnotherFlagShowsOnlyTheNewChoice) {
    Choose(4);
    Click(Form().SpeedButton_non_CF_LG);
    ASSERT_EQ(Page(), kPageLanguageChoice);
    EXPECT_EQ(Form().Font().Name(), "Arial Cyr");  // nothing is undone
    Choose(1);
    EXPECT_EQ(State.DictionaryFileName, "E:\\BRENDOL\\DICO\\THESAUDE.bmp");
    EXPECT_EQ(Form().Label_CF_LG->Caption(), "THESAUDE#47044");
    EXPECT_EQ(Form().Font().Charset(), 0);
    EXPECT_EQ(Form().Label_CF_LG->Font().Charset(), 0);
    EXPECT_EQ(TraceLines().back(), "dico= E:\\BRENDOL\\DICO\\THESAUDE.bmp");
}

TEST_F(LanguageConfirmationTest, TheQuestionTakesTheFontOfEveryLanguageShown) {
    Choose(1);
    Click(Form().SpeedButton_non_CF_LG);
    Choose(4);  // its colour once set, the label must still follow the form
    const vcl::TFont& font = Form().Label_CF_LG->Font();
    EXPECT_EQ(font.Name(), "Arial Cyr");
    EXPECT_EQ(font.Charset(), 204);
    EXPECT_EQ(font.Size(), 12);
    EXPECT_EQ(font.Style(), vcl::fsBold);
    EXPECT_EQ(font.Color(), vcl::TColor{0x873D21});
}

TEST_F(LanguageConfirmationTest, ALargerFlagIsShownWholeInItsPlace) {
    PutOnMedium("BRENDOL\\DICO\\THESAUIT.bmp", SolidBmp(90, 60, 0x009246));
    Choose(3);
    EXPECT_EQ(Flag().Width(), 90);
    EXPECT_EQ(Flag().Height(), 60);
    EXPECT_EQ(Flag().Left(), 328);
    EXPECT_EQ(Flag().Top(), 224);
}

TEST_F(LanguageConfirmationTest, TheListingDoesNotAskForADriveThatIsNotReady) {
    const std::size_t before = machine.ErrorModeCalls().size();
    Choose(2);
    const std::vector<unsigned> calls(machine.ErrorModeCalls().begin() + static_cast<long>(before),
                                      machine.ErrorModeCalls().end());
    EXPECT_EQ(calls, (std::vector<unsigned>{platform::kCriticalErrorBoxesOffMode, 0u}));
}

TEST_F(LanguageConfirmationTest, AFlagGoneSinceTheChoiceSendsTheUserBackToTheFlags) {
    Choose(3);
    Click(Form().SpeedButton_non_CF_LG);
    RemoveFromMedium("BRENDOL\\DICO\\THESAUIT.bmp");
    State.SelectedLanguage = "3";  // now Russian: numbers follow the files there are
    Form().ShowPage(kPageLanguageConfirmation);
    EXPECT_EQ(Page(), kPageLanguageConfirmation);
    EXPECT_EQ(State.DictionaryFileName, "E:\\BRENDOL\\DICO\\THESAURU.bmp");

    Click(Form().SpeedButton_non_CF_LG);
    State.SelectedLanguage = "4";
    Form().ShowPage(kPageLanguageConfirmation);
    EXPECT_EQ(Page(), kPageLanguageChoice);
    EXPECT_TRUE(Flag().Picture().Bitmap().Empty());  // no flag of the earlier showing
    EXPECT_EQ(State.DictionaryFileName, "E:\\BRENDOL\\DICO\\THESAURU.bmp");
    const auto lines = TraceLines();
    EXPECT_EQ(lines[lines.size() - 2], "OnPage_conf_LG");
    EXPECT_EQ(lines.back(), "On_Page_Choix_LG");
    EXPECT_TRUE(host.Exceptions().empty());
}

TEST_F(LanguageConfirmationTest, ANumberThatIsNoFlagIsNoChoice) {
    for (const char* number : {"0", "-1", "abc", "2x", "", "99999999999"}) {
        Form().ShowPage(kPageRecommendation);
        State.SelectedLanguage = number;
        Form().ShowPage(kPageLanguageConfirmation);
        EXPECT_EQ(Page(), kPageLanguageChoice) << '"' << number << '"';
    }
    EXPECT_TRUE(host.Exceptions().empty());
}

TEST_F(LanguageConfirmationTest, AFlagThatIsNoPictureIsAFileErrorWithoutStaleFlag) {
    Choose(3);
    Click(Form().SpeedButton_non_CF_LG);
    PutOnMedium("BRENDOL\\DICO\\THESAUFR.bmp", "not a bitmap");
    State.SelectedLanguage = "2";
    vcl::RunGuarded([this] { Form().ShowPage(kPageLanguageConfirmation); });
    EXPECT_EQ(Page(), kPageLanguageConfirmation);
    ASSERT_EQ(host.Exceptions().size(), 1u);
    EXPECT_TRUE(Flag().Picture().Bitmap().Empty());
}

}  // namespace
}  // namespace tavrik::testing
