#include "vcl/ScrollBar.h"

#include <string>
#include <vector>

#include "VclTestFixture.h"
#include "vcl/Exceptions.h"

namespace tavrik::vcl {
namespace {

class ScrollBarTest : public testing::VclTest {
protected:
    ScrollBarTest() {
        bar = Make<TScrollBar>(form);
        bar->SetParams(2, 1, 5);
        bar->OnScroll = [this](TObject*, ScrollCode code, int& position) {
            log.push_back("scroll " + std::to_string(static_cast<int>(code)) + " " +
                          std::to_string(position) + " at " + std::to_string(bar->Position()));
            if (onScroll) onScroll(position);
        };
        bar->OnChange = [this](TObject*) {
            log.push_back("change " + std::to_string(bar->Position()));
        };
        ShowForm();
    }

    TScrollBar* bar = nullptr;
    std::vector<std::string> log;
    std::function<void(int&)> onScroll;
};

TEST_F(ScrollBarTest, LineActionsMoveByOneAndFireScrollBeforeTheChange) {
    host.Scroll(*bar, ScrollCode::LineDown);
    EXPECT_EQ(bar->Position(), 3);
    host.Scroll(*bar, ScrollCode::LineUp);
    host.Scroll(*bar, ScrollCode::LineUp);
    EXPECT_EQ(bar->Position(), 1);
    EXPECT_EQ(log, (std::vector<std::string>{"scroll 1 3 at 2", "change 3", "scroll 0 2 at 3",
                                             "change 2", "scroll 0 1 at 2", "change 1"}));
}

TEST_F(ScrollBarTest, ActionsAreClampedAndNoChangeFiresAtTheEnds) {
    bar->SetPosition(1);
    log.clear();
    host.Scroll(*bar, ScrollCode::LineUp);
    EXPECT_EQ(log, (std::vector<std::string>{"scroll 0 1 at 1"}));
    bar->SetLargeChange(10);
    host.Scroll(*bar, ScrollCode::PageDown);
    EXPECT_EQ(bar->Position(), 5);
    host.Scroll(*bar, ScrollCode::Top);
    EXPECT_EQ(bar->Position(), 1);
    host.Scroll(*bar, ScrollCode::Bottom);
    EXPECT_EQ(bar->Position(), 5);
    host.Scroll(*bar, ScrollCode::Track, 99);
    EXPECT_EQ(bar->Position(), 5);
    host.Scroll(*bar, ScrollCode::Position, 3);
    EXPECT_EQ(bar->Position(), 3);
}

TEST_F(ScrollBarTest, PageSizeLowersTheLastPosition) {
    bar->SetParams(1, 0, 9);
    bar->SetPageSize(4);
    EXPECT_EQ(bar->MaxPosition(), 6);
    host.Scroll(*bar, ScrollCode::Bottom);
    EXPECT_EQ(bar->Position(), 6);
    bar->SetPosition(100);
    EXPECT_EQ(bar->Position(), 6);
}

TEST_F(ScrollBarTest, HandlerMayReplaceTheNewPosition) {
    onScroll = [](int& position) { position = 5; };
    host.Scroll(*bar, ScrollCode::LineDown);
    EXPECT_EQ(bar->Position(), 5);
    onScroll = [](int& position) { position = -40; };
    host.Scroll(*bar, ScrollCode::LineDown);
    EXPECT_EQ(bar->Position(), 1);  // clamped
}

// A handler that sets Position itself sees its change fire at once; the
// bar then takes the position it had worked out, which fires again.
TEST_F(ScrollBarTest, PositionSetInsideTheHandlerIsOverriddenByTheWorkedOutOne) {
    onScroll = [this](int&) { bar->SetPosition(5); };
    host.Scroll(*bar, ScrollCode::LineDown);
    EXPECT_EQ(bar->Position(), 3);
    EXPECT_EQ(log, (std::vector<std::string>{"scroll 1 3 at 2", "change 5", "change 3"}));
}

TEST_F(ScrollBarTest, PositionByCodeFiresChangeOnlyWhenItChanges) {
    bar->SetPosition(2);
    EXPECT_TRUE(log.empty());
    bar->SetPosition(4);
    EXPECT_EQ(log, std::vector<std::string>{"change 4"});
    EXPECT_NE(host.ChangesOf(*bar) & kChangePosition, 0u);
}

TEST_F(ScrollBarTest, RefusesImpossibleRanges) {
    EXPECT_THROW(bar->SetMax(0), EInvalidOperation);
    EXPECT_THROW(bar->SetPageSize(6), EInvalidOperation);
    EXPECT_EQ(bar->Min(), 1);
    EXPECT_EQ(bar->Max(), 5);
    bar->SetMin(4);  // the position follows the range
    EXPECT_EQ(bar->Position(), 4);
}

TEST_F(ScrollBarTest, DisabledOrHiddenBarIgnoresUserActions) {
    bar->SetEnabled(false);
    host.Scroll(*bar, ScrollCode::LineDown);
    bar->SetEnabled(true);
    bar->Hide();
    host.Scroll(*bar, ScrollCode::LineDown);
    EXPECT_EQ(bar->Position(), 2);
    EXPECT_TRUE(log.empty());
}

}  // namespace
}  // namespace tavrik::vcl
