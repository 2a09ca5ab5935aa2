#include "vcl/PageControl.h"

#include <stdexcept>
#include <string>
#include <vector>

#include "VclTestFixture.h"
#include "vcl/Image.h"
#include "vcl/SpeedButton.h"

namespace tavrik::vcl {
namespace {

class PageControlTest : public testing::VclTest {
protected:
    PageControlTest() {
        pages = Make<TPageControl>(form);
        pages->SetBounds(0, 0, 648, 490);
        for (int i = 1; i <= 3; ++i) {
            auto* sheet = new TTabSheet(form);
            sheet->SetName("Page" + std::to_string(i));
            sheet->SetPageControl(pages);
            sheet->OnShow = [this, i](TObject*) {
                log.push_back("show " + std::to_string(i));
                if (i == throwingPage) throw std::runtime_error("Bitmap image is not valid");
            };
            sheet->OnHide = [this, i](TObject*) { log.push_back("hide " + std::to_string(i)); };
        }
    }
    TPageControl* pages = nullptr;
    std::vector<std::string> log;
    int throwingPage = 0;
};

TEST_F(PageControlTest, PagesCountFromOneAndFillTheDisplayArea) {
    EXPECT_EQ(pages->PageCount(), 3);
    EXPECT_EQ(pages->ActivePageIndex(), 0);
    EXPECT_EQ(pages->Pages(1)->Name(), "Page1");
    EXPECT_EQ(pages->Pages(3)->PageIndex(), 3);
    EXPECT_EQ(pages->Pages(0), nullptr);
    EXPECT_EQ(pages->Pages(4), nullptr);
    EXPECT_EQ(pages->Pages(2)->Width(), 640);
    EXPECT_EQ(pages->Pages(2)->Height(), 480);
}

TEST_F(PageControlTest, OnShowWaitsUntilTheFormIsShown) {
    pages->SetActivePageIndex(2);
    EXPECT_TRUE(log.empty());
    EXPECT_TRUE(pages->Pages(2)->Visible());
    EXPECT_FALSE(pages->Pages(1)->Visible());
    ShowForm();
    EXPECT_EQ(log, std::vector<std::string>{"show 2"});
}

TEST_F(PageControlTest, SwitchingHidesTheOldPageThenShowsTheNewOne) {
    ShowForm();
    pages->SetActivePageIndex(1);
    pages->SetActivePageIndex(3);
    pages->SetActivePageIndex(3);  // already active: nothing
    EXPECT_EQ(log, (std::vector<std::string>{"show 1", "hide 1", "show 3"}));
    EXPECT_EQ(pages->ActivePage(), pages->Pages(3));
    EXPECT_NE(host.ChangesOf(*pages) & kChangeActivePage, 0u);
}

TEST_F(PageControlTest, AnIndexOutsideThePagesLeavesNoPageActive) {
    ShowForm();
    pages->SetActivePageIndex(2);
    pages->SetActivePageIndex(12);
    EXPECT_EQ(pages->ActivePageIndex(), 0);
    EXPECT_FALSE(pages->Pages(2)->Visible());
    pages->SetActivePageIndex(-1);
    EXPECT_EQ(pages->ActivePage(), nullptr);
}

TEST_F(PageControlTest, ShowHandlerFailureIsShownAndThePageStaysUp) {
    ShowForm();
    auto* button = Make<TSpeedButton>(pages->Pages(1));
    button->OnClick = [this](TObject*) { pages->SetActivePageIndex(2); };
    pages->SetActivePageIndex(1);
    throwingPage = 2;
    host.Click(*button);
    EXPECT_EQ(pages->ActivePageIndex(), 2);
    EXPECT_TRUE(pages->Pages(2)->IsShowing());
    ASSERT_EQ(host.Exceptions().size(), 1u);
    EXPECT_EQ(host.Exceptions()[0].message, "Bitmap image is not valid.");
}

TEST_F(PageControlTest, FailureOnTheFirstShowingStillRunsTheLoop) {
    pages->SetActivePageIndex(3);
    throwingPage = 3;
    application->Run();
    EXPECT_EQ(host.Exceptions().size(), 1u);
    EXPECT_EQ(host.LoopRuns(), 1);
    EXPECT_TRUE(pages->Pages(3)->IsShowing());
}

// The form's windows are made, and it is shown, once the active page has
// handled its showing, also when that handler failed.
TEST_F(PageControlTest, TheFormAppearsAfterThePageHandledItsShowing) {
    pages->SetActivePageIndex(3);
    pages->Pages(3)->OnShow = [this](TObject*) {
        log.push_back(host.HasPeer(*form) ? "form has a window" : "no window yet");
        throw std::runtime_error("Bitmap image is not valid");
    };
    application->Run();
    EXPECT_EQ(log, std::vector<std::string>{"no window yet"});
    EXPECT_TRUE(host.HasPeer(*pages->Pages(3)));
    EXPECT_NE(host.ChangesOf(*form) & kChangeVisible, 0u);
    EXPECT_EQ(host.Exceptions().size(), 1u);
}

// A page's windows are made when it is first shown, as it is then, and kept.
TEST_F(PageControlTest, APageGetsItsWindowsWhenFirstShown) {
    auto* later = Make<TSpeedButton>(pages->Pages(2));
    pages->SetActivePageIndex(1);
    ShowForm();
    EXPECT_TRUE(host.HasPeer(*pages->Pages(1)));
    EXPECT_FALSE(host.HasPeer(*pages->Pages(2)));
    EXPECT_FALSE(host.HasPeer(*later));
    pages->SetActivePageIndex(2);
    EXPECT_TRUE(host.HasPeer(*later));
    EXPECT_EQ(log, (std::vector<std::string>{"show 1", "hide 1", "show 2"}));
    const int peers = host.PeerCount();
    pages->SetActivePageIndex(1);
    pages->SetActivePageIndex(2);
    EXPECT_EQ(host.PeerCount(), peers);
}

TEST_F(PageControlTest, ClientAlignedImageFillsItsPage) {
    auto* image = new TImage(form);
    image->SetAlign(TAlign::alClient);
    image->SetParent(pages->Pages(1));
    EXPECT_EQ(image->Width(), 640);
    EXPECT_EQ(image->Height(), 480);
    image->SetBounds(10, 10, 5, 5);  // an aligned control keeps its place
    EXPECT_EQ(image->Left(), 0);
    EXPECT_EQ(image->Width(), 640);
    pages->SetBounds(0, 0, 108, 110);
    EXPECT_EQ(image->Width(), 100);
    EXPECT_EQ(image->Height(), 100);
}

TEST_F(PageControlTest, ADestroyedPageLeavesThePageList) {
    pages->SetActivePageIndex(2);
    delete pages->Pages(2);
    EXPECT_EQ(pages->PageCount(), 2);
    EXPECT_EQ(pages->ActivePage(), nullptr);
    EXPECT_EQ(pages->Pages(2)->Name(), "Page3");
}

}  // namespace
}  // namespace tavrik::vcl
