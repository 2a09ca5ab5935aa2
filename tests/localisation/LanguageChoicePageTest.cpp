// Page 4: the flags, the pre-selected language, the moves by key and by
// scroll bar, and the ways on to page 5.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "LanguagePagesFixture.h"
#include "app/ProgramState.h"
#include "localisation/FlagGrid.h"

namespace tavrik::testing {
namespace {

// CS DE EL ES FR GB HU IT NL PL: Hungarian is the 7th.
const std::vector<std::string> kTenFlags = {"CS", "DE", "EL", "ES", "FR",
                                            "GB", "HU", "IT", "NL", "PL"};
const std::vector<std::string> kFourteenFlags = {"CS", "DE", "EL", "ES", "FR", "GB", "HU",
                                                 "IT", "NL", "PL", "PT", "RU", "SV", "TR"};

std::vector<int> Range(int first, int last) {
    std::vector<int> numbers;
    for (int i = first; i <= last; ++i) numbers.push_back(i);
    return numbers;
}

class LanguageChoiceTest : public LanguagePagesTest {
protected:
    void Open(const std::vector<std::string>& codes, const std::string& systemLanguage) {
        UseDemoFlags(codes);
        machine.SetSystemDefaultLanguageName(systemLanguage);
        StartWizard();
        ShowLanguagePage();
    }
    // The highlight stands behind flag i.
    void ExpectHighlightOn(int i) {
        EXPECT_EQ(State.FlagGrid->Index, i);
        EXPECT_EQ(Form().FondSelection->Left(), State.FlagGrid->LeftOf(i) - 3) << "flag " << i;
        EXPECT_EQ(Form().FondSelection->Top(), State.FlagGrid->TopOf(i) + 40 - 3) << "flag " << i;
        EXPECT_EQ(Form().ScrollBar1->Position(), State.FlagGrid->RowOf(i));
        EXPECT_EQ(State.SelectedLanguage, std::to_string(i));
    }
    void Scroll(vcl::ScrollCode code, int thumb = 0) {
        host.Scroll(*Form().ScrollBar1, code, thumb);
    }
    // One move, and the flag the highlight must then stand behind.
    void PressThenExpect(std::uint16_t key, int flag) {
        Press(key);
        ExpectHighlightOn(flag);
    }
    void ScrollThenExpect(vcl::ScrollCode code, int flag) {
        Scroll(code);
        ExpectHighlightOn(flag);
    }
};

TEST_F(LanguageChoiceTest, TenFlagsOpenOnTheDefaultLanguagesRow) {
    Open(kTenFlags, "hu");
    EXPECT_EQ(TraceLines().back(), "On_Page_Choix_LG");
    EXPECT_FALSE(State.FlagKeyNavigation);
    EXPECT_EQ(State.FlagGrid->Count, 10);
    EXPECT_EQ(State.FlagGrid->TopRow, 1);
    EXPECT_EQ(VisibleFlags(), Range(5, 10));
    EXPECT_EQ(State.SelectedLanguage, "7");
    EXPECT_EQ(State.FlagGrid->Index, 7);

    const vcl::TShape* highlight = Form().FondSelection;
    EXPECT_TRUE(highlight->Visible());
    EXPECT_EQ(highlight->Width(), 45 + 13);
    EXPECT_EQ(highlight->Height(), 37 + 13);
    EXPECT_EQ(highlight->Left(), State.FlagGrid->LeftOf(7) - 3);
    EXPECT_EQ(highlight->Top(), State.FlagGrid->TopOf(7) + 37);
    EXPECT_EQ(State.FlagGrid->TopOf(5), State.FlagGrid->VGap);  // row 2 at the top of the window

    const vcl::TScrollBar* bar = Form().ScrollBar1;
    EXPECT_EQ(bar->Min(), 1);
    EXPECT_EQ(bar->Max(), 3);
    EXPECT_EQ(bar->Position(), 2);
    EXPECT_EQ(bar->SmallChange(), 1);
    EXPECT_EQ(bar->LargeChange(), 1);

    const vcl::TSpeedButton* hungarian = FlagButton(7);
    EXPECT_EQ(hungarian->Left(), State.FlagGrid->LeftOf(7));
    EXPECT_EQ(hungarian->Top(), State.FlagGrid->TopOf(7) + 40);
    EXPECT_EQ(hungarian->Width(), 49);
    EXPECT_EQ(hungarian->Height(), 41);
    EXPECT_EQ(hungarian->Glyph().TransparentColor(), vcl::TColor{0x808080});
    EXPECT_TRUE(Form().Bouton_Valide_Langue->Enabled());
    EXPECT_TRUE(host.Exceptions().empty());
}

TEST_F(LanguageChoiceTest, ArrowsFollowTheRowsAndWrapOnTheFirstRow) {
    Open(kTenFlags, "hu");
    PressThenExpect(kKeyDown, 10);  // the short last row takes its last flag
    EXPECT_TRUE(State.FlagKeyNavigation);
    PressThenExpect(kKeyDown, 10);
    PressThenExpect(kKeyRight, 9);  // back to the first of its row
    PressThenExpect(kKeyLeft, 8);   // column 1 of a later row: end of the row above
    PressThenExpect(kKeyUp, 4);     // above the window: it scrolls one row up
    EXPECT_EQ(State.FlagGrid->TopRow, 0);
    EXPECT_EQ(VisibleFlags(), Range(1, 10));
    PressThenExpect(kKeyRight, 5);  // end of a row: first of the next
    PressThenExpect(kKeyUp, 1);
    PressThenExpect(kKeyLeft, 4);  // flag 1: wraps to the end of the first row
    PressThenExpect(kKeyUp, 4);    // first row: nothing
}

TEST_F(LanguageChoiceTest, DownBelowTheThirdVisibleRowScrollsTheWindow) {
    Open(kFourteenFlags, "cs");
    ExpectHighlightOn(1);
    EXPECT_EQ(VisibleFlags(), Range(1, 12));
    PressThenExpect(kKeyDown, 5);
    PressThenExpect(kKeyDown, 9);
    EXPECT_EQ(State.FlagGrid->TopRow, 0);
    PressThenExpect(kKeyDown, 13);
    EXPECT_EQ(State.FlagGrid->TopRow, 1);
    EXPECT_EQ(VisibleFlags(), Range(5, 14));
    EXPECT_EQ(FlagButton(13)->Top(), State.FlagGrid->TopOf(13) + 40);
    EXPECT_EQ(State.FlagGrid->TopOf(13), 2 * 37 + 3 * State.FlagGrid->VGap);  // third visible row
}

TEST_F(LanguageChoiceTest, ASingleFlagStaysSelectedWhateverTheKey) {
    Open({"FR"}, "fr");
    for (std::uint16_t key : {kKeyLeft, kKeyRight, kKeyUp, kKeyDown}) PressThenExpect(key, 1);
    EXPECT_EQ(VisibleFlags(), std::vector<int>{1});
}

TEST_F(LanguageChoiceTest, TheScrollBarMovesTheSelectionRowByRow) {
    Open(kFourteenFlags, "cs");
    using Code = vcl::ScrollCode;
    ScrollThenExpect(Code::LineDown, 5);
    ScrollThenExpect(Code::PageDown, 9);
    ScrollThenExpect(Code::LineDown, 13);  // below the window
    EXPECT_EQ(VisibleFlags(), Range(5, 14));
    ScrollThenExpect(Code::LineDown, 13);  // last row: nothing
    ScrollThenExpect(Code::PageUp, 9);
    ScrollThenExpect(Code::LineUp, 5);
    ScrollThenExpect(Code::LineUp, 1);
    EXPECT_EQ(VisibleFlags(), Range(1, 12));
}

TEST_F(LanguageChoiceTest, DraggingTheThumbWalksTheSelectionToItsRow) {
    Open(kFourteenFlags, "es");  // flag 4, row 1
    ExpectHighlightOn(4);
    Scroll(vcl::ScrollCode::Track, 4);
    EXPECT_EQ(State.FlagGrid->Index, 14);  // the short last row takes its last flag
    EXPECT_EQ(Form().ScrollBar1->Position(), 4);
    EXPECT_EQ(State.FlagGrid->TopRow, 1);
    EXPECT_EQ(Form().FondSelection->Left(), State.FlagGrid->LeftOf(14) - 3);
    Scroll(vcl::ScrollCode::Top);
    EXPECT_EQ(State.FlagGrid->Index, 2);
    EXPECT_EQ(State.FlagGrid->TopRow, 0);
    Press(kKeyReturn);
    EXPECT_EQ(Page(), kPageLanguageConfirmation);
    EXPECT_EQ(State.SelectedLanguage, "2");
}

TEST_F(LanguageChoiceTest, TheLaterOfTwoFlagsWithTheDefaultCodeWins) {
    // The second file's code is lower case; its upper-case form matches.
    UseFlags({"ANCIENFR.bmp", "THESAUGB.bmp", "THESAUfr.bmp", "THESAURU.bmp"});
    machine.SetSystemDefaultLanguageName("fr");
    StartWizard();
    ShowLanguagePage();
    ExpectHighlightOn(2);  // ANCIENFR, THESAUfr, THESAUGB, THESAURU
}

TEST_F(LanguageChoiceTest, WithoutMatchTheFirstFlagIsHighlightedAndTheChoiceKept) {
    Open({"DE", "GB", "RU"}, "tr");  // Turkish: no flag
    EXPECT_EQ(State.FlagGrid->Index, 1);
    EXPECT_EQ(State.SelectedLanguage, "0");
    EXPECT_EQ(Form().FondSelection->Left(), State.FlagGrid->LeftOf(1) - 3);
    Click(Form().Bouton_Valide_Langue);
    EXPECT_EQ(Page(), kPageLanguageConfirmation);
    EXPECT_EQ(State.SelectedLanguage, "1");
    EXPECT_EQ(State.DictionaryFileName, "E:\\BRENDOL\\DICO\\THESAUDE.bmp");

    State.SelectedLanguage = "3";
    ShowLanguagePage();
    EXPECT_EQ(State.FlagGrid->Index, 1);
    EXPECT_EQ(State.SelectedLanguage, "3");
}

TEST_F(LanguageChoiceTest, AClickedFlagGoesOnWithItsOwnNumber) {
    Open(kTenFlags, "hu");
    Click(FlagButton(9));
    EXPECT_EQ(Page(), kPageLanguageConfirmation);
    EXPECT_EQ(State.SelectedLanguage, "9");
    EXPECT_EQ(State.FlagGrid->Index, 7);  // a click does not move the highlight
    EXPECT_EQ(State.DictionaryFileName, "E:\\BRENDOL\\DICO\\THESAUNL.bmp");
}

TEST_F(LanguageChoiceTest, ComingBackHighlightsThePreselectedFlagAgain) {
    Open(kTenFlags, "hu");
    Press(kKeyRight);
    Press(kKeyReturn);
    ASSERT_EQ(Page(), kPageLanguageConfirmation);
    EXPECT_EQ(State.DictionaryFileName, "E:\\BRENDOL\\DICO\\THESAUIT.bmp");
    Click(Form().SpeedButton_non_CF_LG);
    EXPECT_EQ(Page(), kPageLanguageChoice);
    ExpectHighlightOn(7);
    EXPECT_FALSE(State.FlagKeyNavigation);
    EXPECT_EQ(State.DictionaryFileName, "E:\\BRENDOL\\DICO\\THESAUIT.bmp");
}

TEST_F(LanguageChoiceTest, WithoutFlagsOnlyTheExitButtonDoesAnything) {
    Open({"FR", "GB"}, "fr");
    RemoveAllFlags();  // a second showing without flags hides the first's
    Form().ShowPage(kPageRecommendation);
    ShowLanguagePage();
    EXPECT_TRUE(VisibleFlags().empty());
    EXPECT_FALSE(Form().FondSelection->Visible());
    EXPECT_FALSE(Form().Bouton_Valide_Langue->Enabled());
    EXPECT_EQ(State.FlagGrid->Count, 0);

    Click(Form().Bouton_Valide_Langue);
    EXPECT_EQ(Page(), kPageLanguageChoice);
    Form().Bouton_Valide_LangueClick(nullptr);  // even when called directly
    EXPECT_EQ(Page(), kPageLanguageChoice);
    for (std::uint16_t key : {kKeyLeft, kKeyRight, kKeyUp, kKeyDown}) {
        Press(key);
    }
    Scroll(vcl::ScrollCode::LineDown);
    Scroll(vcl::ScrollCode::Track, 1);
    EXPECT_EQ(State.FlagGrid->Index, 0);
    const std::string dictionary = State.DictionaryFileName;
    Press(kKeyReturn);  // page 5 finds no flag and hands back to this page
    EXPECT_EQ(Page(), kPageLanguageChoice);
    EXPECT_EQ(State.DictionaryFileName, dictionary);
    EXPECT_TRUE(host.Exceptions().empty());

    Click(Form().Bouton_Sortie_LG);
    EXPECT_TRUE(Closed());
}

TEST_F(LanguageChoiceTest, FlagsBeyondTheThirtiethAreIgnored) {
    std::vector<std::string> names;
    for (int i = 1; i <= 31; ++i) {
        names.push_back("FLAG" + std::string(i < 10 ? "0" : "") + std::to_string(i) + "XX.bmp");
    }
    names.back() = "FLAG31FR.bmp";  // the default language, but past the last button
    UseFlags(names);
    PutOnMedium("BRENDOL\\DICO\\FLAG30XX.bmp", SolidBmp(40, 30, 0x00FF00));
    StartWizard();
    ShowLanguagePage();
    EXPECT_EQ(State.FlagGrid->Count, 30);
    EXPECT_EQ(State.FlagGrid->FlagWidth, 40);  // the 30th is the sample
    EXPECT_EQ(State.FlagGrid->Index, 1);
    EXPECT_EQ(Form().ScrollBar1->Max(), 8);
    Scroll(vcl::ScrollCode::Bottom);
    EXPECT_EQ(State.FlagGrid->Index, 29);
    EXPECT_EQ(VisibleFlags(), Range(21, 30));
    EXPECT_TRUE(host.Exceptions().empty());
}

TEST_F(LanguageChoiceTest, FoldersAmongTheBitmapsAreNoFlags) {
    UseDemoFlags({"DE", "GB"});
    machine.AddDirectory("E:\\BRENDOL\\DICO\\AAAAAAFR.bmp");
    StartWizard();
    ShowLanguagePage();
    EXPECT_EQ(State.FlagGrid->Count, 2);
    EXPECT_EQ(State.SelectedLanguage, "0");
}

}  // namespace
}  // namespace tavrik::testing
