#include "vcl/Font.h"

#include "VclTestFixture.h"
#include "vcl/GroupBox.h"
#include "vcl/Label.h"

namespace tavrik::vcl {
namespace {

TEST(Font, SizeAndHeightConvertAtNinetySixDotsPerInch) {
    EXPECT_EQ(FontHeightFromSize(12), -16);
    EXPECT_EQ(FontHeightFromSize(8), -11);   // 10.67 rounds to 11
    EXPECT_EQ(FontHeightFromSize(10), -13);  // 13.33 rounds to 13
    EXPECT_EQ(FontHeightFromSize(18), -24);
    EXPECT_EQ(FontSizeFromHeight(-16), 12);
    EXPECT_EQ(FontSizeFromHeight(-24), 18);
    EXPECT_EQ(FontSizeFromHeight(-11), 8);   // 8.25
    EXPECT_EQ(FontSizeFromHeight(-13), 10);  // 9.75
    TFont font;
    font.SetSize(12);
    EXPECT_EQ(font.Height(), -16);
    EXPECT_EQ(font.Size(), 12);
}

using FontInheritanceTest = testing::VclTest;

TEST_F(FontInheritanceTest, FormFontDefaultsAndFlowsToControlsThatFollowIt) {
    EXPECT_EQ(form->Font().Name(), "MS Sans Serif");
    EXPECT_EQ(form->Font().Height(), -16);
    EXPECT_EQ(form->Font().Style(), fsBold);
    EXPECT_EQ(form->Font().Charset(), DEFAULT_CHARSET);

    auto* group = Make<TGroupBox>(form);
    auto* follower = Make<TLabel>(group);
    auto* own = Make<TLabel>(group);
    own->Font().SetColor(clRed);  // its own font from now on
    EXPECT_FALSE(own->ParentFont());

    TFont language;
    language.SetName("Arial");
    language.SetCharset(RUSSIAN_CHARSET);
    language.SetSize(12);
    language.SetStyle(fsBold);
    form->SetFont(language);
    EXPECT_EQ(follower->Font().Name(), "Arial");
    EXPECT_EQ(follower->Font().Charset(), RUSSIAN_CHARSET);
    EXPECT_TRUE(follower->ParentFont());
    EXPECT_EQ(own->Font().Name(), "MS Sans Serif");
    EXPECT_EQ(own->Font().Color(), clRed);

    own->SetParentFont(true);
    EXPECT_EQ(own->Font().Name(), "Arial");
    EXPECT_EQ(own->Font().Color(), clWindowText);
    // The host asks the system for it.
    EXPECT_TRUE(IsSystemColor(own->Font().Color()));
}

}  // namespace
}  // namespace tavrik::vcl
