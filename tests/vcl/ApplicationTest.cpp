#include "vcl/Application.h"

#include <stdexcept>

#include "VclTestFixture.h"
#include "vcl/Exceptions.h"
#include "vcl/SpeedButton.h"
#include "vcl/Timer.h"

namespace tavrik::vcl {
namespace {

using ApplicationTest = testing::VclTest;

struct ProbeForm : TForm {
    explicit ProbeForm(TComponent* owner) : TForm(owner) {
        mainFormDuringConstruction = Application()->MainForm();
    }
    TForm* mainFormDuringConstruction = nullptr;
};

TEST_F(ApplicationTest, TheFirstFormIsTheMainFormAlreadyInItsConstructor) {
    application.reset();
    EXPECT_EQ(Application(), nullptr);
    TApplication fresh;
    EXPECT_EQ(Application(), &fresh);
    ProbeForm* first = nullptr;
    ProbeForm* second = nullptr;
    fresh.CreateForm(first);
    fresh.CreateForm(second);
    EXPECT_EQ(first->mainFormDuringConstruction, first);
    EXPECT_EQ(second->mainFormDuringConstruction, first);
    EXPECT_EQ(fresh.MainForm(), first);
    delete first;  // a main form destroyed early leaves no dangling pointer
    EXPECT_EQ(fresh.MainForm(), nullptr);
}

TEST_F(ApplicationTest, HandlerExceptionIsShownWithTitleAndTheProgramGoesOn) {
    auto* button = Make<TSpeedButton>(form);
    int clicks = 0;
    button->OnClick = [&](TObject*) {
        if (++clicks == 1) throw EFOpenError("Cannot open file \"x.bmp\". The file does not exist");
        throw std::runtime_error("Done.");
    };
    ShowForm();
    host.Click(*button);
    host.Click(*button);
    ASSERT_EQ(host.Exceptions().size(), 2u);
    EXPECT_EQ(host.Exceptions()[0].message, "Cannot open file \"x.bmp\". The file does not exist.");
    EXPECT_EQ(host.Exceptions()[0].title, "Test");
    EXPECT_EQ(host.Exceptions()[1].message, "Done.");  // no second period
    EXPECT_EQ(clicks, 2);
}

TEST_F(ApplicationTest, NonStandardExceptionsAreShownToo) {
    auto* timer = new TTimer(form);
    timer->SetOnTimer([](TObject*) { throw 42; });
    EXPECT_TRUE(host.TickTimer(*timer));
    ASSERT_EQ(host.Exceptions().size(), 1u);
    EXPECT_EQ(host.Exceptions()[0].message, "Unknown exception.");
}

TEST_F(ApplicationTest, RunShowsTheMainFormAndRunsTheLoopUntilClosed) {
    int after = 0;
    host.Post([&] { form->Close(); });
    host.Post([&] { ++after; });  // never runs: the loop ended
    application->Run();
    EXPECT_TRUE(host.HasPeer(*form));
    EXPECT_TRUE(application->Terminated());
    EXPECT_EQ(host.LoopRuns(), 1);
    EXPECT_EQ(after, 0);
    ASSERT_EQ(host.ClosedForms().size(), 1u);
    EXPECT_EQ(host.ClosedForms()[0], form);
    EXPECT_FALSE(form->Visible());
}

TEST_F(ApplicationTest, CloseLetsTheRunningHandlerFinish) {
    auto* button = Make<TSpeedButton>(form);
    bool finished = false;
    button->OnClick = [&](TObject*) {
        form->Close();
        finished = true;
    };
    ShowForm();
    host.Click(*button);
    EXPECT_TRUE(finished);
    EXPECT_TRUE(host.Terminated());
}

TEST_F(ApplicationTest, ProcessMessagesRunsOnlyWhatWaitsNow) {
    int runs = 0;
    host.Post([&] {
        ++runs;
        host.Post([&] { ++runs; });
    });
    application->ProcessMessages();
    EXPECT_EQ(runs, 1);
    application->ProcessMessages();
    EXPECT_EQ(runs, 2);
}

TEST_F(ApplicationTest, SystemCloseGreyedBeforeShowingReachesTheHostWithThePeer) {
    form->SetSystemCloseEnabled(false);
    EXPECT_TRUE(host.SystemCloseEnabled(*form));  // no window yet
    ShowForm();
    EXPECT_FALSE(host.SystemCloseEnabled(*form));
    form->SetSystemCloseEnabled(true);
    EXPECT_TRUE(host.SystemCloseEnabled(*form));
}

TEST(ApplicationWithoutHost, ExceptionDisplayTextAddsAPeriodAfterLettersAndDigits) {
    EXPECT_EQ(ExceptionDisplayText("Bitmap image is not valid"), "Bitmap image is not valid.");
    EXPECT_EQ(ExceptionDisplayText("Error 5"), "Error 5.");
    EXPECT_EQ(ExceptionDisplayText("Done!"), "Done!");
    EXPECT_EQ(ExceptionDisplayText("Stop."), "Stop.");
    EXPECT_EQ(ExceptionDisplayText(""), "");
}

}  // namespace
}  // namespace tavrik::vcl
