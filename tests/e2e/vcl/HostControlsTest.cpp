// The system controls standing for the components: their content, and
// their notifications reaching the components.
#include "HostTestSupport.h"

#include <commctrl.h>

#include <string>

#include "vcl/ListBox.h"
#include "vcl/Memo.h"
#include "vcl/ProgressBar.h"
#include "vcl/RadioButton.h"
#include "vcl/ScrollBar.h"
#include "vcl/UpDown.h"

namespace tavrik::vcl::win32::test {
namespace {

using HostControls = HostTest;

std::wstring ListItem(HWND list, int index) {
    wchar_t text[256] = {};
    SendMessageW(list, LB_GETTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text));
    return text;
}

// Presses and releases the mouse in the upper or lower half of an up-down.
void PressArrow(HWND upDown, bool upper) {
    RECT rect = {};
    GetClientRect(upDown, &rect);
    const LPARAM at = MAKELPARAM(rect.right / 2, upper ? rect.bottom / 4 : rect.bottom * 3 / 4);
    SendMessageW(upDown, WM_LBUTTONDOWN, MK_LBUTTON, at);
    SendMessageW(upDown, WM_LBUTTONUP, 0, at);
    Pump();
}

TEST_F(HostControls, ListBoxShowsItemsInItsFontsCodePage) {
    auto* list = Place<TListBox>(form_, first_, "listbox1", 10, 10, 150, 80);
    list->Font().SetCharset(RUSSIAN_CHARSET);
    list->Items().Add("C:\\ \xC4\xE8\xF1\xEA");  // "Диск"
    list->Items().Add("E:\\");
    list->SetItemIndex(1);
    HWND window = WindowOf(*list);
    EXPECT_EQ(SendMessageW(window, LB_GETCOUNT, 0, 0), 2);
    EXPECT_EQ(ListItem(window, 0), L"C:\\ \x0414\x0438\x0441\x043A");
    EXPECT_EQ(SendMessageW(window, LB_GETCURSEL, 0, 0), 1);
    list->SetItemHeight(20);
    EXPECT_EQ(SendMessageW(window, LB_GETITEMHEIGHT, 0, 0), 20);
    list->Items().Clear();
    EXPECT_EQ(SendMessageW(window, LB_GETCOUNT, 0, 0), 0);
}

TEST_F(HostControls, UserSelectionReachesTheListBox) {
    auto* list = Place<TListBox>(form_, first_, "listbox1", 10, 10, 150, 80);
    list->Items().Add("a");
    list->Items().Add("b");
    int clicks = 0;
    list->OnClick = [&](TObject*) { ++clicks; };
    HWND window = WindowOf(*list);
    SendMessageW(window, LB_SETCURSEL, 1, 0);
    SendMessageW(WindowOf(*first_), WM_COMMAND, MAKEWPARAM(0, LBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(window));
    EXPECT_EQ(list->ItemIndex(), 1);
    EXPECT_EQ(clicks, 1);
}

TEST_F(HostControls, UpDownArrowsMoveThePositionThroughTheComponent) {
    auto* upDown = Place<TUpDown>(form_, first_, "UpDown1", 200, 10, 40, 80);
    upDown->SetMin(0);
    upDown->SetMax(2);
    upDown->SetPosition(1);
    std::string clicks;
    upDown->OnClick = [&](TObject*, UpDownButton button) {
        clicks += button == UpDownButton::Next ? "next " : "previous ";
    };
    HWND window = WindowOf(*upDown);
    RECT rect = {};
    GetWindowRect(window, &rect);
    EXPECT_EQ(rect.right - rect.left, 40) << "the control keeps its width";

    PressArrow(window, true);
    EXPECT_EQ(upDown->Position(), 2);
    EXPECT_EQ(SendMessageW(window, UDM_GETPOS32, 0, 0), 2);
    PressArrow(window, true);  // at the maximum without wrap
    EXPECT_EQ(upDown->Position(), 2);
    EXPECT_EQ(SendMessageW(window, UDM_GETPOS32, 0, 0), 2);
    PressArrow(window, false);
    EXPECT_EQ(upDown->Position(), 1);
    EXPECT_EQ(clicks, "next next previous ");

    upDown->OnChanging = [](TObject*, bool& allow) { allow = false; };
    PressArrow(window, false);
    EXPECT_EQ(upDown->Position(), 1);
    EXPECT_EQ(SendMessageW(window, UDM_GETPOS32, 0, 0), 1) << "a refused change moves nothing";
}

TEST_F(HostControls, ScrollActionsReachTheComponentBeforeTheBarMoves) {
    auto* bar = Place<TScrollBar>(form_, first_, "ScrollBar1", 270, 0, 17, 150);
    bar->SetBarKind(TScrollBarKind::sbVertical);
    bar->SetParams(1, 1, 3);
    std::string events;
    bar->OnScroll = [&](TObject*, ScrollCode code, int& position) {
        events += "scroll " + std::to_string(static_cast<int>(code)) + " to " +
                  std::to_string(position) + " at " + std::to_string(bar->Position()) + "; ";
    };
    bar->OnChange = [&](TObject*) { events += "change " + std::to_string(bar->Position()) + "; "; };
    HWND window = WindowOf(*bar);
    SendMessageW(WindowOf(*first_), WM_VSCROLL, MAKEWPARAM(SB_LINEDOWN, 0),
                 reinterpret_cast<LPARAM>(window));
    EXPECT_EQ(events, "scroll 1 to 2 at 1; change 2; ");
    EXPECT_EQ(SendMessageW(window, SBM_GETPOS, 0, 0), 2);
    SCROLLINFO info = {};
    info.cbSize = sizeof info;
    info.fMask = SIF_RANGE;
    GetScrollInfo(window, SB_CTL, &info);
    EXPECT_EQ(info.nMin, 1);
    EXPECT_EQ(info.nMax, 3);
}

TEST_F(HostControls, RadioButtonClickChecksItAndUnchecksItsSibling) {
    auto* yes = Place<TRadioButton>(form_, first_, "RadioButtonOui", 10, 10, 80, 20);
    auto* no = Place<TRadioButton>(form_, first_, "RadioButtonNon", 10, 40, 80, 20);
    no->SetChecked(true);
    EXPECT_EQ(SendMessageW(WindowOf(*no), BM_GETCHECK, 0, 0), BST_CHECKED);
    SendMessageW(WindowOf(*first_), WM_COMMAND, MAKEWPARAM(0, BN_CLICKED),
                 reinterpret_cast<LPARAM>(WindowOf(*yes)));
    EXPECT_TRUE(yes->Checked());
    EXPECT_EQ(SendMessageW(WindowOf(*yes), BM_GETCHECK, 0, 0), BST_CHECKED);
    EXPECT_EQ(SendMessageW(WindowOf(*no), BM_GETCHECK, 0, 0), BST_UNCHECKED);
}

TEST_F(HostControls, MemoIsPaintedInItsOwnColours) {
    auto* memo = Place<TMemo>(form_, first_, "Memo1", 10, 10, 200, 100);
    memo->SetReadOnly(true);
    memo->SetColor(0xB6D9E6);
    memo->Font().SetColor(0x873D21);
    memo->Lines().Add("first");
    memo->Lines().Add("second");
    HWND window = WindowOf(*memo);
    wchar_t text[64] = {};
    GetWindowTextW(window, text, 64);
    EXPECT_EQ(std::wstring(text), L"first\r\nsecond\r\n");
    EXPECT_NE(GetWindowLongW(window, GWL_STYLE) & ES_READONLY, 0);

    HDC dc = GetDC(window);
    auto brush = reinterpret_cast<HBRUSH>(SendMessageW(WindowOf(*first_), WM_CTLCOLORSTATIC,
                                                       reinterpret_cast<WPARAM>(dc),
                                                       reinterpret_cast<LPARAM>(window)));
    LOGBRUSH logBrush = {};
    ASSERT_NE(GetObjectW(brush, sizeof logBrush, &logBrush), 0);
    EXPECT_EQ(logBrush.lbColor, COLORREF{0xB6D9E6});
    EXPECT_EQ(GetTextColor(dc), COLORREF{0x873D21});
    ReleaseDC(window, dc);
}

TEST_F(HostControls, ProgressBarFollowsRangeAndSteps) {
    auto* bar = Place<TProgressBar>(form_, first_, "ProgressBar1", 10, 150, 200, 17);
    bar->SetMin(0);
    bar->SetMax(120);
    bar->SetStep(1);
    bar->SetPosition(2);
    HWND window = WindowOf(*bar);
    EXPECT_EQ(SendMessageW(window, PBM_GETPOS, 0, 0), 2);
    EXPECT_EQ(SendMessageW(window, PBM_GETRANGE, FALSE, 0), 120);
}

}  // namespace
}  // namespace tavrik::vcl::win32::test
