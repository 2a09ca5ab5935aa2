// Input through the host: key preview in the message loop, clicks on
// windowless controls, cursors, the refused Close, timers.
#include <string>
#include <vector>

#include "HostTestSupport.h"
#include "vcl/Label.h"
#include "vcl/ListBox.h"
#include "vcl/Shape.h"
#include "vcl/SpeedButton.h"
#include "vcl/Timer.h"

namespace tavrik::vcl::win32::test {
namespace {

using HostInput = HostTest;

LPARAM At(int x, int y) { return MAKELPARAM(x, y); }

void PostClick(HWND window, int downX, int downY, int upX, int upY) {
    PostMessageA(window, WM_LBUTTONDOWN, MK_LBUTTON, At(downX, downY));
    PostMessageA(window, WM_MOUSEMOVE, MK_LBUTTON, At(upX, upY));
    PostMessageA(window, WM_LBUTTONUP, 0, At(upX, upY));
    Pump();
}

TEST_F(HostInput, FormSeesKeysBeforeTheFocusedControl) {
    std::vector<std::string> seen;
    form_->SetKeyPreview(true);
    form_->OnKeyDown = [&](TObject*, std::uint16_t& key, ShiftState) {
        seen.push_back("form " + std::to_string(key));
    };
    auto* list = Place<TListBox>(form_, first_, "listbox1", 10, 10, 100, 80);
    list->Items().Add("one");
    list->Items().Add("two");
    list->SetItemIndex(0);
    list->OnKeyDown = [&](TObject*, std::uint16_t& key, ShiftState) {
        seen.push_back("list " + std::to_string(key));
    };
    list->SetFocus();
    PostMessageA(WindowOf(*list), WM_KEYDOWN, VK_DOWN, 1);
    Pump();
    EXPECT_EQ(seen, (std::vector<std::string>{"form 40", "list 40"}));
    // The system control had the key after the handlers.
    EXPECT_EQ(SendMessageW(WindowOf(*list), LB_GETCURSEL, 0, 0), 1);
}

TEST_F(HostInput, KeyDroppedByTheFormNeverReachesTheControl) {
    form_->SetKeyPreview(true);
    form_->OnKeyDown = [](TObject*, std::uint16_t& key, ShiftState) { key = 0; };
    auto* list = Place<TListBox>(form_, first_, "listbox1", 10, 10, 100, 80);
    list->Items().Add("one");
    list->Items().Add("two");
    list->SetItemIndex(0);
    bool listSawIt = false;
    list->OnKeyDown = [&](TObject*, std::uint16_t&, ShiftState) { listSawIt = true; };
    list->SetFocus();
    PostMessageA(WindowOf(*list), WM_KEYDOWN, VK_DOWN, 1);
    Pump();
    EXPECT_FALSE(listSawIt);
    EXPECT_EQ(SendMessageW(WindowOf(*list), LB_GETCURSEL, 0, 0), 0);
}

TEST_F(HostInput, KeysWithoutAFocusedControlGoToTheFormOnce) {
    int downs = 0;
    std::string chars;
    form_->SetKeyPreview(true);
    form_->OnKeyDown = [&](TObject*, std::uint16_t& key, ShiftState) {
        if (key == VK_RETURN) ++downs;
    };
    form_->OnKeyPress = [&](TObject*, char& key) { chars += key; };
    HWND window = WindowOf(*form_);
    PostMessageA(window, WM_KEYDOWN, VK_RETURN, 1);
    PostMessageA(window, WM_CHAR, 'a', 1);
    Pump();
    EXPECT_EQ(downs, 1);
    // The loop translates the key down into its character, as for a real
    // key press; it comes after the character already waiting.
    EXPECT_EQ(chars, "a\r");
}

TEST_F(HostInput, ClickFiresWhereThePressBeganAndEnded) {
    auto* label = Place<TLabel>(form_, first_, "Label_Click", 10, 10, 80, 20);
    int clicks = 0;
    label->OnClick = [&](TObject*) { ++clicks; };
    HWND page = WindowOf(*first_);
    PostClick(page, 20, 15, 30, 18);
    EXPECT_EQ(clicks, 1);
    PostClick(page, 20, 15, 200, 150);  // released elsewhere
    EXPECT_EQ(clicks, 1);
    PostClick(page, 200, 150, 20, 15);  // pressed elsewhere
    EXPECT_EQ(clicks, 1);
    label->SetEnabled(false);
    PostClick(page, 20, 15, 20, 15);
    EXPECT_EQ(clicks, 1);
}

TEST_F(HostInput, TheTopmostWindowlessControlGetsTheClick) {
    auto* shape = Place<TShape>(form_, first_, "FondSelection", 0, 0, 60, 60);
    auto* button = Place<TSpeedButton>(form_, first_, "SpeedButton1", 10, 10, 30, 30);
    std::string clicked;
    shape->OnClick = [&](TObject*) { clicked += "shape "; };
    button->OnClick = [&](TObject*) { clicked += "button "; };
    PostClick(WindowOf(*first_), 20, 20, 20, 20);
    PostClick(WindowOf(*first_), 50, 50, 50, 50);
    EXPECT_EQ(clicked, "button shape ");
}

TEST_F(HostInput, CursorComesFromTheControlOrItsContainer) {
    auto* button = Place<TSpeedButton>(form_, first_, "SpeedButton1", 10, 10, 30, 30);
    button->SetCursor(TCursor::crHandPoint);
    first_->SetCursor(TCursor::crHourGlass);
    HWND page = WindowOf(*first_);
    POINT onButton = ScreenPoint(*first_, 20, 20);
    SetCursorPos(onButton.x, onButton.y);
    SendMessageA(page, WM_SETCURSOR, reinterpret_cast<WPARAM>(page), MAKELPARAM(HTCLIENT, 0));
    EXPECT_EQ(GetCursor(), LoadCursor(nullptr, IDC_HAND));
    POINT elsewhere = ScreenPoint(*first_, 150, 150);
    SetCursorPos(elsewhere.x, elsewhere.y);
    SendMessageA(page, WM_SETCURSOR, reinterpret_cast<WPARAM>(page), MAKELPARAM(HTCLIENT, 0));
    EXPECT_EQ(GetCursor(), LoadCursor(nullptr, IDC_WAIT));
}

TEST_F(HostInput, CloseIsRefusedWhileGreyed) {
    HWND window = WindowOf(*form_);
    form_->SetSystemCloseEnabled(false);
    EXPECT_NE(GetMenuState(GetSystemMenu(window, FALSE), SC_CLOSE, MF_BYCOMMAND) & MF_GRAYED, 0u);
    SendMessageA(window, WM_SYSCOMMAND, SC_CLOSE, 0);
    SendMessageA(window, WM_CLOSE, 0, 0);
    EXPECT_TRUE(form_->Visible());
    EXPECT_TRUE(IsWindowVisible(window));

    form_->SetSystemCloseEnabled(true);
    EXPECT_EQ(GetMenuState(GetSystemMenu(window, FALSE), SC_CLOSE, MF_BYCOMMAND) & MF_GRAYED, 0u);
    SendMessageA(window, WM_CLOSE, 0, 0);
    EXPECT_FALSE(form_->Visible());
    EXPECT_FALSE(IsWindowVisible(window));
}

TEST_F(HostInput, TimersTickOnlyWhileEnabled) {
    auto* timer = new TTimer(form_);
    int ticks = 0;
    timer->SetInterval(10);
    timer->SetOnTimer([&](TObject*) { ++ticks; });
    for (int i = 0; i < 100 && ticks < 3; ++i) {
        Sleep(10);
        Pump();
    }
    EXPECT_GE(ticks, 3);
    timer->SetEnabled(false);
    Pump();
    // Watched for six intervals; a tick fails the test as soon as it comes.
    const int stopped = ticks;
    for (int i = 0; i < 6 && ticks == stopped; ++i) {
        Sleep(10);
        Pump();
    }
    EXPECT_EQ(ticks, stopped);
}

}  // namespace
}  // namespace tavrik::vcl::win32::test
