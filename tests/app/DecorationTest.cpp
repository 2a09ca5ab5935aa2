#include <gtest/gtest.h>

#include "WizardFixture.h"
#include "app/ProgramState.h"
#include "vcl/Application.h"
#include "vcl/Bitmap.h"

namespace tavrik::testing {
namespace {

class DecorationTest : public WizardTest {};

TEST_F(DecorationTest, GlyphButtonsTakeTheBitmapSizeLessOnePixel) {
    StartWizard();
    vcl::TBitmap valid;
    valid.LoadFromFile("E:\\BMP\\valid.bmp");
    vcl::TBitmap exit;
    exit.LoadFromFile("E:\\BMP\\sortie.bmp");

    EXPECT_EQ(Form().SpeedButtonValide_PageRecom->Width(), valid.Width() - 1);
    EXPECT_EQ(Form().SpeedButtonValide_PageRecom->Height(), valid.Height() - 1);
    EXPECT_EQ(Form().SpeedButtonSortie_PageRecom->Width(), exit.Width() - 1);
    EXPECT_EQ(Form().SpeedButtonValide_PageRecom->Glyph().TransparentColor(), vcl::clBlack);
    EXPECT_EQ(Form().SpeedButtonValide_PageRecom->Glyph().Width(), valid.Width());
    // The button keeps its own copy: it stays when the file goes.
    RemoveFromMedium("BMP\\valid.bmp");
    EXPECT_EQ(Form().SpeedButtonValide_PageRecom->Glyph().Width(), valid.Width());
}

TEST_F(DecorationTest, TheTitleComesFromApIniAndIsStyled) {
    StartWizard();
    const vcl::TLabel* title = Form().Label_HC_PageRecom;
    EXPECT_EQ(title->Caption(), "Installation de la suite Solvane");
    EXPECT_EQ(title->Font().Color(), 9389353);
    EXPECT_EQ(title->Font().Size(), 12);
    EXPECT_EQ(title->Font().Style(), vcl::fsBold);
}

TEST_F(DecorationTest, OnlyTrueInCapitalsSelectsTheIndependentTitle) {
    PutOnMedium("ap.ini",
                "[INSTALL]\r\nINDEPENDANT=TRUE\r\nTITRE=Suite\r\nTITRE_INDEPENDANT=Seul\r\n");
    StartWizard();
    EXPECT_EQ(Form().Label_HC_PageRecom->Caption(), "Seul");

    PutOnMedium("ap.ini",
                "[INSTALL]\r\nINDEPENDANT=true\r\nTITRE=Suite\r\nTITRE_INDEPENDANT=Seul\r\n");
    Form().ShowPage(kPageMainsPower);  // the title is read anew at every showing
    EXPECT_EQ(Form().LabelHautPageControleSecteur->Caption(), "Suite");
}

TEST_F(DecorationTest, AMissingApIniGivesAnEmptyTitle) {
    RemoveFromMedium("ap.ini");
    StartWizard();
    EXPECT_EQ(Form().Label_HC_PageRecom->Caption(), "");
    EXPECT_TRUE(host.Exceptions().empty());
}

TEST_F(DecorationTest, AMissingPictureIsShownAsAFileErrorAndThePageStays) {
    StartWizard();
    RemoveFromMedium("BMP\\no.bmp");
    State.SelectedLanguage = "1";
    // As from a handler: the framework shows what escapes it.
    vcl::RunGuarded([this] { Form().ShowPage(kPageLanguageConfirmation); });
    EXPECT_EQ(Page(), kPageLanguageConfirmation);
    ASSERT_EQ(host.Exceptions().size(), 1u);
    EXPECT_NE(host.Exceptions()[0].message.find("no.bmp"), std::string::npos);
}

TEST_F(DecorationTest, EveryPageShowsTheBackgroundPicture) {
    StartWizard();
    for (int page = 1; page <= 11; ++page) {
        Form().ShowPage(page);
        const auto* sheet = Form().PageControlPrincipal->Pages(page);
        bool found = false;
        for (const vcl::TControl* child : sheet->Children()) {
            const auto* image = dynamic_cast<const vcl::TImage*>(child);
            if (image != nullptr && image->Align() == vcl::TAlign::alClient) {
                EXPECT_EQ(image->Picture().Width(), 640) << "page " << page;
                found = true;
            }
        }
        EXPECT_TRUE(found) << "page " << page;
    }
}

}  // namespace
}  // namespace tavrik::testing
