#include <string>
#include <vector>

#include "VclTestFixture.h"
#include "vcl/Exceptions.h"
#include "vcl/GroupBox.h"
#include "vcl/Label.h"
#include "vcl/ListBox.h"
#include "vcl/Memo.h"
#include "vcl/ProgressBar.h"
#include "vcl/RadioButton.h"
#include "vcl/Timer.h"
#include "vcl/UpDown.h"

namespace tavrik::vcl {
namespace {

using SimpleControlsTest = testing::VclTest;

TEST_F(SimpleControlsTest, RadioButtonsAreExclusiveWithinOneParentOnly) {
    auto* group = Make<TGroupBox>(form);
    auto* inGroupA = Make<TRadioButton>(group);
    auto* inGroupB = Make<TRadioButton>(group);
    auto* onForm = Make<TRadioButton>(form);
    auto* label = Make<TLabel>(group);  // not a radio button: untouched

    onForm->SetChecked(true);
    inGroupA->SetChecked(true);
    EXPECT_TRUE(onForm->Checked());
    EXPECT_TRUE(inGroupA->Checked());
    inGroupB->SetChecked(true);
    EXPECT_FALSE(inGroupA->Checked());
    EXPECT_TRUE(inGroupB->Checked());
    EXPECT_TRUE(onForm->Checked());
    inGroupB->SetChecked(false);  // unchecking checks nobody else
    EXPECT_FALSE(inGroupA->Checked());
    EXPECT_EQ(label->Caption(), "");
}

TEST_F(SimpleControlsTest, ClickingARadioButtonChecksItOnlyWhenEnabled) {
    auto* first = Make<TRadioButton>(form);
    auto* second = Make<TRadioButton>(form);
    int clicks = 0;
    second->OnClick = [&](TObject*) { ++clicks; };
    first->SetChecked(true);
    ShowForm();
    second->SetEnabled(false);
    host.Click(*second);
    EXPECT_TRUE(first->Checked());
    EXPECT_EQ(clicks, 0);
    second->SetEnabled(true);
    host.Click(*second);
    EXPECT_FALSE(first->Checked());
    EXPECT_TRUE(second->Checked());
    EXPECT_EQ(clicks, 1);
}

class UpDownTest : public testing::VclTest {
protected:
    UpDownTest() {
        upDown = Make<TUpDown>(form);
        upDown->SetMin(0);
        upDown->SetMax(3);
        upDown->SetPosition(1);
        upDown->OnChanging = [this](TObject*, bool& allow) {
            log.push_back("changing " + std::to_string(upDown->Position()));
            allow = allowChange;
        };
        upDown->OnClick = [this](TObject*, UpDownButton button) {
            log.push_back(std::string(button == UpDownButton::Next ? "next " : "previous ") +
                          std::to_string(upDown->Position()));
        };
        ShowForm();
    }
    TUpDown* upDown = nullptr;
    bool allowChange = true;
    std::vector<std::string> log;
};

TEST_F(UpDownTest, ArrowsMoveWithinTheLimitsAndReportEachPress) {
    host.PressUpDown(*upDown, UpDownButton::Next);
    host.PressUpDown(*upDown, UpDownButton::Next);
    host.PressUpDown(*upDown, UpDownButton::Next);
    EXPECT_EQ(upDown->Position(), 3);
    host.PressUpDown(*upDown, UpDownButton::Previous);
    EXPECT_EQ(log, (std::vector<std::string>{"changing 1", "next 2", "changing 2", "next 3",
                                             "changing 3", "next 3", "changing 3", "previous 2"}));
}

TEST_F(UpDownTest, WrapGoesRoundAndChangingCanRefuse) {
    upDown->SetWrap(true);
    upDown->SetPosition(0);
    host.PressUpDown(*upDown, UpDownButton::Previous);
    EXPECT_EQ(upDown->Position(), 3);
    host.PressUpDown(*upDown, UpDownButton::Next);
    EXPECT_EQ(upDown->Position(), 0);
    allowChange = false;
    log.clear();
    host.PressUpDown(*upDown, UpDownButton::Next);
    EXPECT_EQ(upDown->Position(), 0);
    EXPECT_EQ(log, std::vector<std::string>{"changing 0"});
}

TEST_F(UpDownTest, PositionStaysInRangeWhenSetOrWhenTheRangeShrinks) {
    upDown->SetPosition(50);
    EXPECT_EQ(upDown->Position(), 3);
    upDown->SetMax(2);
    EXPECT_EQ(upDown->Position(), 2);
    upDown->SetPosition(-5);
    EXPECT_EQ(upDown->Position(), 0);
}

TEST_F(SimpleControlsTest, ProgressBarKeepsItsPositionWithinItsRange) {
    auto* bar = Make<TProgressBar>(form);
    bar->SetMax(120);
    bar->SetPosition(2);
    EXPECT_EQ(bar->Position(), 2);
    bar->SetPosition(500);
    EXPECT_EQ(bar->Position(), 120);
    bar->SetPosition(-1);
    EXPECT_EQ(bar->Position(), 0);
    bar->SetPosition(90);
    bar->SetMax(60);  // a smaller range takes the position with it
    EXPECT_EQ(bar->Position(), 60);
}

TEST_F(SimpleControlsTest, ListBoxSelectionFollowsItsItems) {
    auto* list = Make<TListBox>(form);
    list->Items().Add("C:\\ Fixed volume");
    list->Items().Add("D:\\ Fixed volume");
    EXPECT_EQ(list->ItemIndex(), -1);
    list->SetSelected(1, true);
    EXPECT_FALSE(list->Selected(0));
    EXPECT_TRUE(list->Selected(1));
    list->SetSelected(0, true);
    EXPECT_EQ(list->ItemIndex(), 0);
    list->SetItemIndex(7);
    EXPECT_EQ(list->ItemIndex(), -1);
    EXPECT_THROW(list->Selected(2), EStringListError);
    EXPECT_THROW(list->SetSelected(-1, true), EStringListError);
    list->SetItemIndex(1);
    list->Items().Clear();  // the selected item goes: nothing is selected
    EXPECT_EQ(list->ItemIndex(), -1);
    EXPECT_EQ(list->Items().Count(), 0);
}

TEST_F(SimpleControlsTest, DisabledListBoxIgnoresUserSelection) {
    auto* list = Make<TListBox>(form);
    list->Items().Add("a");
    list->SetEnabled(false);
    ShowForm();
    host.SelectItem(*list, 0);
    EXPECT_EQ(list->ItemIndex(), -1);
    list->SetEnabled(true);
    host.SelectItem(*list, 0);
    EXPECT_EQ(list->ItemIndex(), 0);
}

TEST_F(SimpleControlsTest, StringsSplitTextAtAnyLineBreak) {
    TStrings lines;
    lines.SetText("one\r\ntwo\nthree\rfour\r\n");
    EXPECT_EQ(lines.Items(), (std::vector<std::string>{"one", "two", "three", "four"}));
    lines.SetText("a\n\nb");
    EXPECT_EQ(lines.Items(), (std::vector<std::string>{"a", "", "b"}));
    EXPECT_EQ(lines.Text(), "a\r\n\r\nb\r\n");
    EXPECT_THROW(lines.Strings(3), EStringListError);
    EXPECT_THROW(lines.Strings(-1), EStringListError);
}

TEST_F(SimpleControlsTest, MemoLoadsLinesThroughTheMachineAndKeepsThemWhenTheFileIsMissing) {
    auto* memo = Make<TMemo>(form);
    machine.WriteFile("C:\\cluf_fr.txt", "Licence\r\n\r\nTexte");
    memo->Lines().LoadFromFile("C:\\cluf_fr.txt");
    EXPECT_EQ(memo->Lines().Items(), (std::vector<std::string>{"Licence", "", "Texte"}));
    try {
        memo->Lines().LoadFromFile("C:\\cluf_GB.txt");
        FAIL() << "no exception";
    } catch (const EFOpenError& error) {
        EXPECT_NE(std::string(error.what()).find("C:\\cluf_GB.txt"), std::string::npos);
    }
    EXPECT_EQ(memo->Lines().Count(), 3);
}

TEST_F(SimpleControlsTest, TimerRunsOnlyWhenEnabledWithIntervalAndHandler) {
    auto* timer = new TTimer(form);
    int ticks = 0;
    EXPECT_FALSE(host.TimerRunning(*timer));  // no handler yet
    timer->SetOnTimer([&](TObject*) { ++ticks; });
    EXPECT_TRUE(host.TimerRunning(*timer));
    EXPECT_EQ(host.TimerInterval(*timer), 1000u);
    timer->SetInterval(100);
    EXPECT_EQ(host.TimerInterval(*timer), 100u);
    EXPECT_TRUE(host.TickTimer(*timer));
    timer->SetEnabled(false);
    EXPECT_FALSE(host.TickTimer(*timer));
    timer->SetEnabled(true);
    timer->SetInterval(0);
    EXPECT_FALSE(host.TimerRunning(*timer));
    EXPECT_EQ(ticks, 1);
    timer->SetInterval(10);
    delete timer;  // a destroyed timer stops
    EXPECT_EQ(form->ComponentCount(), 0);
}

}  // namespace
}  // namespace tavrik::vcl
