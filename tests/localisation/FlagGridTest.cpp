// The flag grid's layout arithmetic, on its own: a window of 654 x 515 (the
// main window's outer size with the classic frame) and flags of 45 x 37.
#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "LanguagePagesFixture.h"
#include "localisation/FlagGrid.h"
#include "platform/fake/FakeMachine.h"
#include "platform/fake/ScopedCurrentMachine.h"
#include "vcl/Exceptions.h"
#include "vcl/SpeedButton.h"

namespace tavrik::testing {
namespace {

class FlagGridTest : public ::testing::Test {
protected:
    FlagGridTest() {
        machine.WriteFile("C:\\flag.bmp", SolidBmp(45, 37, 0x3366CC));
        for (int i = 0; i < 30; ++i) {
            owned.push_back(std::make_unique<vcl::TSpeedButton>(nullptr));
            buttons.push_back(owned.back().get());
        }
        grid.TopMargin = 40;
        grid.RightMargin = 30;
        grid.LeftMargin = 100;
        grid.BottomMargin = 40;
    }

    void Setup(int count) { grid.GridSetup(count, 3, 4, "C:\\flag.bmp", &buttons); }

    platform::FakeMachine machine;
    platform::ScopedCurrentMachine installed{machine};
    std::vector<std::unique_ptr<vcl::TSpeedButton>> owned;
    std::vector<vcl::TSpeedButton*> buttons;
    TFlagGrid grid{654, 515};
};

TEST_F(FlagGridTest, TenFlagsAreLaidOutInThreeRowsOfFour) {
    Setup(10);
    EXPECT_EQ(grid.FlagWidth, 45);
    EXPECT_EQ(grid.FlagHeight, 37);
    EXPECT_EQ(grid.HGap, (654 - 4 * 45 - 30 - 100) / 5);  // 68
    EXPECT_EQ(grid.RowTerm, 2);
    EXPECT_EQ(grid.VGap, (515 - 40 - 40 - 40 - 2 * 37) / 3);  // 107
    EXPECT_EQ(grid.Capacity, 12);
    EXPECT_EQ(grid.Index, 1);
    EXPECT_EQ(grid.TopRow, 0);

    EXPECT_EQ(grid.RowOf(4), 1);
    EXPECT_EQ(grid.RowOf(5), 2);
    EXPECT_EQ(grid.ColumnOf(7), 3);
    EXPECT_EQ(grid.FirstOfRow(3), 9);
    EXPECT_EQ(grid.LastOfRow(2), 8);
    EXPECT_EQ(grid.LastOfRow(3), 10);  // the short last row
    EXPECT_EQ(grid.LeftOf(1), 68 + 100);
    EXPECT_EQ(grid.LeftOf(7), 2 * 45 + 3 * 68 + 100);
    EXPECT_EQ(grid.TopOf(1), 107);
    EXPECT_EQ(grid.TopOf(10), 2 * 37 + 3 * 107);
    grid.TopRow = 1;  // rows 2 and 3 move up one place
    EXPECT_EQ(grid.TopOf(5), 107);
    EXPECT_EQ(grid.TopOf(1), -37);
}

TEST_F(FlagGridTest, TheRowTermCountsRowsBeyondTheFirstUpToTheVisibleRows) {
    const std::vector<std::pair<int, int>> cases = {{1, 0}, {4, 0},  {5, 1},  {8, 1},
                                                    {9, 2}, {12, 2}, {13, 3}, {30, 3}};
    for (const auto& [count, rowTerm] : cases) {
        Setup(count);
        EXPECT_EQ(grid.RowTerm, rowTerm) << count << " flags";
        EXPECT_EQ(grid.VGap, (515 - 120 - rowTerm * 37) / (rowTerm + 1)) << count << " flags";
    }
}

TEST_F(FlagGridTest, FewerFlagsThanColumnsShareTheWidth) {
    Setup(2);
    EXPECT_EQ(grid.HGap, (654 - 2 * 45 - 130) / 3);
    Setup(1);
    EXPECT_EQ(grid.HGap, (654 - 45 - 130) / 2);
}

TEST_F(FlagGridTest, PlacingAFlagGivesItsButtonTheBitmapAndThePlace) {
    Setup(10);
    machine.WriteFile("C:\\wide.bmp", SolidBmp(60, 30, 0x808080));
    grid.GridPlaceFlag(6, "C:\\wide.bmp", true);
    const vcl::TSpeedButton* button = buttons[5];
    EXPECT_TRUE(button->Visible());
    EXPECT_EQ(button->Width(), 64);  // its own bitmap's size, the layout's place
    EXPECT_EQ(button->Height(), 34);
    EXPECT_EQ(button->Left(), grid.LeftOf(6));
    EXPECT_EQ(button->Top(), grid.TopOf(6) + 40);
    EXPECT_EQ(button->Glyph().Width(), 60);
    EXPECT_EQ(button->Glyph().TransparentColor(), vcl::TColor{0x808080});
    EXPECT_EQ(button->Margin(), 0);
    EXPECT_FALSE(button->Flat());

    grid.GridPlaceFlag(7, "C:\\flag.bmp", false);
    EXPECT_EQ(buttons[6]->Glyph().TransparentColor(), vcl::clBlack);
    grid.GridPlaceFlag(31, "C:\\flag.bmp", true);  // no such button: nothing happens
}

TEST_F(FlagGridTest, ASampleThatCannotBeReadLeavesTheGridAsItWas) {
    Setup(10);
    grid.Index = 7;
    EXPECT_THROW(grid.GridSetup(3, 3, 4, "C:\\missing.bmp", &buttons), vcl::EFOpenError);
    EXPECT_EQ(grid.Count, 10);
    EXPECT_EQ(grid.Index, 7);
    EXPECT_EQ(grid.FlagWidth, 45);
}

TEST_F(FlagGridTest, AGridWithoutFlagsHidesEveryButtonAndIgnoresKeys) {
    Setup(10);
    grid.GridShowRange(1, 10);
    grid.GridClear(&buttons);
    for (const vcl::TSpeedButton* button : buttons) {
        EXPECT_FALSE(button->Visible());
    }
    const std::uint16_t keys[] = {13, 37, 38, 39, 40, 0};
    for (std::uint16_t key : keys) {
        int top = 11;
        int left = 22;
        int selected = 0;
        grid.GridNavigate(key, top, left, selected);
        EXPECT_EQ(grid.Index, 0);
        EXPECT_EQ(top, 11);
        EXPECT_EQ(left, 22);
    }
}

}  // namespace
}  // namespace tavrik::testing
