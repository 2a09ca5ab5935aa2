#include "vcl/win32/ChildNotifications.h"

#include <commctrl.h>

#include "vcl/ListBox.h"
#include "vcl/RadioButton.h"
#include "vcl/ScrollBar.h"
#include "vcl/UpDown.h"
#include "vcl/win32/GdiColors.h"
#include "vcl/win32/Win32Host.h"

namespace tavrik::vcl::win32 {
namespace {

template <typename T>
T* ChildAs(HWND child) {
    return dynamic_cast<T*>(Win32Host::Instance().ControlOf(child));
}

bool HandleCommand(WPARAM wParam, LPARAM lParam) {
    HWND child = reinterpret_cast<HWND>(lParam);
    const UINT code = HIWORD(wParam);
    if (auto* radio = ChildAs<TRadioButton>(child); radio != nullptr && code == BN_CLICKED) {
        events::Click(*radio);
        return true;
    }
    if (auto* list = ChildAs<TListBox>(child); list != nullptr && code == LBN_SELCHANGE) {
        events::ListBoxSelect(*list, static_cast<int>(SendMessageW(child, LB_GETCURSEL, 0, 0)));
        return true;
    }
    return false;
}

// The component moves the position itself (Min..Max, Wrap) and tells us:
// the system control must not move on its own.
bool HandleNotify(LPARAM lParam, LRESULT& result) {
    const auto* header = reinterpret_cast<const NMHDR*>(lParam);
    auto* upDown = ChildAs<TUpDown>(header->hwndFrom);
    if (upDown == nullptr || header->code != static_cast<UINT>(UDN_DELTAPOS)) return false;
    const auto* change = reinterpret_cast<const NMUPDOWN*>(lParam);
    // The proposed change points up the range for the arrow that counts up.
    const bool countsUp = (change->iDelta > 0) == (upDown->Min() <= upDown->Max());
    events::UpDownClick(*upDown, countsUp ? UpDownButton::Next : UpDownButton::Previous);
    result = TRUE;
    return true;
}

ScrollCode ScrollCodeOf(WORD code) {
    switch (code) {
        case SB_LINEUP:
            return ScrollCode::LineUp;
        case SB_LINEDOWN:
            return ScrollCode::LineDown;
        case SB_PAGEUP:
            return ScrollCode::PageUp;
        case SB_PAGEDOWN:
            return ScrollCode::PageDown;
        case SB_THUMBPOSITION:
            return ScrollCode::Position;
        case SB_THUMBTRACK:
            return ScrollCode::Track;
        case SB_TOP:
            return ScrollCode::Top;
        case SB_BOTTOM:
            return ScrollCode::Bottom;
        default:
            return ScrollCode::EndScroll;
    }
}

bool HandleScroll(WPARAM wParam, LPARAM lParam) {
    HWND child = reinterpret_cast<HWND>(lParam);
    auto* bar = ChildAs<TScrollBar>(child);
    if (bar == nullptr) return false;
    const WORD code = LOWORD(wParam);
    int thumb = static_cast<short>(HIWORD(wParam));
    if (code == SB_THUMBTRACK || code == SB_THUMBPOSITION) {
        // The message carries 16 bits only; the bar knows the full value.
        SCROLLINFO info = {};
        info.cbSize = sizeof info;
        info.fMask = SIF_TRACKPOS;
        if (GetScrollInfo(child, SB_CTL, &info)) thumb = info.nTrackPos;
    }
    events::Scroll(*bar, ScrollCodeOf(code), thumb);
    return true;
}

bool HandleColor(HDC dc, LPARAM lParam, LRESULT& result) {
    TControl* control = Win32Host::Instance().ControlOf(reinterpret_cast<HWND>(lParam));
    if (control == nullptr) return false;
    const COLORREF background = ColorRefOf(control->Color());
    SetTextColor(dc, ColorRefOf(control->Font().Color()));
    SetBkColor(dc, background);
    result = reinterpret_cast<LRESULT>(Win32Host::Instance().Brushes().Get(background));
    return true;
}

}  // namespace

bool HandleChildNotification(HWND, UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    switch (message) {
        case WM_COMMAND:
            result = 0;
            return lParam != 0 && HandleCommand(wParam, lParam);
        case WM_NOTIFY:
            return HandleNotify(lParam, result);
        case WM_VSCROLL:
        case WM_HSCROLL:
            result = 0;
            return lParam != 0 && HandleScroll(wParam, lParam);
        case WM_CTLCOLORSTATIC:
        case WM_CTLCOLOREDIT:
        case WM_CTLCOLORLISTBOX:
        case WM_CTLCOLORBTN:
            return HandleColor(reinterpret_cast<HDC>(wParam), lParam, result);
        default:
            return false;
    }
}

}  // namespace tavrik::vcl::win32
