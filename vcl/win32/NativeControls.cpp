#include "vcl/win32/NativeControls.h"

#include <commctrl.h>

#include <string>

#include "vcl/ListBox.h"
#include "vcl/Memo.h"
#include "vcl/ProgressBar.h"
#include "vcl/RadioButton.h"
#include "vcl/ScrollBar.h"
#include "vcl/UpDown.h"
#include "vcl/win32/CommonControls.h"
#include "vcl/win32/NameProperty.h"
#include "vcl/win32/TextCodePage.h"

namespace tavrik::vcl::win32 {
namespace {

struct WindowKind {
    const wchar_t* className;
    DWORD style;
    DWORD exStyle;
};

DWORD MemoStyle(const TMemo& memo) {
    DWORD style = ES_MULTILINE | ES_AUTOVSCROLL;
    if (memo.ReadOnly()) style |= ES_READONLY;
    const TScrollStyle bars = memo.ScrollBars();
    if (bars == TScrollStyle::ssVertical || bars == TScrollStyle::ssBoth) style |= WS_VSCROLL;
    if (bars == TScrollStyle::ssHorizontal || bars == TScrollStyle::ssBoth) {
        style |= WS_HSCROLL | ES_AUTOHSCROLL;
    }
    return style;
}

WindowKind KindOf(const TControl& control) {
    switch (control.Kind()) {
        case ControlKind::ListBox:
            return {L"LISTBOX", WS_VSCROLL | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT | LBS_HASSTRINGS,
                    WS_EX_CLIENTEDGE};
        case ControlKind::Memo:
            return {L"EDIT", MemoStyle(dynamic_cast<const TMemo&>(control)), WS_EX_CLIENTEDGE};
        case ControlKind::UpDown:
            return {UPDOWN_CLASSW, 0, 0};
        case ControlKind::ScrollBar: {
            const auto& bar = dynamic_cast<const TScrollBar&>(control);
            return {L"SCROLLBAR",
                    bar.BarKind() == TScrollBarKind::sbVertical ? DWORD{SBS_VERT} : DWORD{SBS_HORZ},
                    0};
        }
        case ControlKind::ProgressBar: {
            const auto& bar = dynamic_cast<const TProgressBar&>(control);
            return {PROGRESS_CLASSW, bar.Smooth() ? DWORD{PBS_SMOOTH} : 0, 0};
        }
        case ControlKind::RadioButton:
            return {L"BUTTON", BS_RADIOBUTTON, 0};
        default:
            return {L"STATIC", 0, 0};
    }
}

WideText ForFont(const std::string& text, const TControl& control) {
    return WideFromBytes(text, CodePageOfCharset(control.Font().Charset()));
}

void FillListBox(HWND window, const TListBox& list) {
    SendMessageW(window, WM_SETREDRAW, FALSE, 0);
    SendMessageW(window, LB_RESETCONTENT, 0, 0);
    for (const std::string& item : list.Items().Items()) {
        SendMessageW(window, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(ForFont(item, list).data()));
    }
    SendMessageW(window, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(window, nullptr, TRUE);
}

void UpdateListBox(HWND window, const TListBox& list, ChangeSet changes) {
    if ((changes & (kChangeItems | kChangeFont)) != 0) FillListBox(window, list);
    if ((changes & (kChangeItems | kChangeFont | kChangeAppearance)) != 0 &&
        list.ItemHeight() > 0) {
        SendMessageW(window, LB_SETITEMHEIGHT, 0, MAKELPARAM(list.ItemHeight(), 0));
        InvalidateRect(window, nullptr, TRUE);
    }
    if ((changes & (kChangeItems | kChangeFont | kChangeSelection)) != 0) {
        SendMessageW(window, LB_SETCURSEL, static_cast<WPARAM>(list.ItemIndex()), 0);
    }
}

void UpdateMemo(HWND window, const TMemo& memo, ChangeSet changes) {
    if ((changes & (kChangeItems | kChangeText | kChangeFont)) != 0) {
        SetWindowTextW(window, ForFont(memo.Lines().Text(), memo).data());
    }
    if ((changes & kChangeAppearance) != 0) {
        SendMessageW(window, EM_SETREADONLY, memo.ReadOnly() ? TRUE : FALSE, 0);
    }
}

void UpdateUpDown(HWND window, const TUpDown& upDown, ChangeSet changes) {
    if ((changes & kChangeRange) != 0) {
        SendMessageW(window, UDM_SETRANGE32, static_cast<WPARAM>(upDown.Min()),
                     static_cast<LPARAM>(upDown.Max()));
    }
    if ((changes & (kChangeRange | kChangePosition)) != 0) {
        SendMessageW(window, UDM_SETPOS32, 0, static_cast<LPARAM>(upDown.Position()));
    }
}

void UpdateScrollBar(HWND window, const TScrollBar& bar, ChangeSet changes) {
    if ((changes & (kChangeRange | kChangePosition)) == 0) return;
    SCROLLINFO info = {};
    info.cbSize = sizeof info;
    info.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
    info.nMin = bar.Min();
    info.nMax = bar.Max();
    info.nPage = static_cast<UINT>(bar.PageSize() > 0 ? bar.PageSize() : 0);
    info.nPos = bar.Position();
    SetScrollInfo(window, SB_CTL, &info, TRUE);
}

void UpdateProgressBar(HWND window, const TProgressBar& bar, ChangeSet changes) {
    if ((changes & kChangeAppearance) != 0) {
        LONG style = GetWindowLongW(window, GWL_STYLE);
        style = bar.Smooth() ? (style | PBS_SMOOTH) : (style & ~static_cast<LONG>(PBS_SMOOTH));
        SetWindowLongW(window, GWL_STYLE, style);
        InvalidateRect(window, nullptr, TRUE);
    }
    if ((changes & kChangeRange) != 0) {
        SendMessageW(window, PBM_SETRANGE32, static_cast<WPARAM>(bar.Min()),
                     static_cast<LPARAM>(bar.Max()));
        SendMessageW(window, PBM_SETSTEP, static_cast<WPARAM>(bar.Step()), 0);
    }
    if ((changes & (kChangeRange | kChangePosition)) != 0) {
        SendMessageW(window, PBM_SETPOS, static_cast<WPARAM>(bar.Position()), 0);
    }
}

void UpdateRadioButton(HWND window, const TRadioButton& radio, ChangeSet changes) {
    if ((changes & (kChangeText | kChangeFont)) != 0) {
        SetWindowTextW(window, ForFont(radio.Caption(), radio).data());
    }
    if ((changes & kChangeChecked) != 0) {
        SendMessageW(window, BM_SETCHECK, radio.Checked() ? BST_CHECKED : BST_UNCHECKED, 0);
    }
}

}  // namespace

HWND CreateNativeControl(HINSTANCE instance, TControl& control, HWND parent, FontCache& fonts) {
    const WindowKind kind = KindOf(control);
    if (control.Kind() == ControlKind::UpDown || control.Kind() == ControlKind::ProgressBar) {
        EnsureCommonControls();
    }
    DWORD style = WS_CHILD | kind.style;
    if (control.Visible()) style |= WS_VISIBLE;
    if (!control.Enabled()) style |= WS_DISABLED;
    HWND window =
        CreateWindowExW(kind.exStyle, kind.className, L"", style, control.Left(), control.Top(),
                        control.Width(), control.Height(), parent, nullptr, instance, nullptr);
    if (window == nullptr) return nullptr;
    AttachName(window, control.Name());
    // Bounds again: some controls (the up-down) size themselves on creation.
    UpdateNativeControl(window, control, ~ChangeSet{0} & ~kChangeVisible, fonts);
    return window;
}

void UpdateNativeControl(HWND window, TControl& control, ChangeSet changes, FontCache& fonts) {
    if ((changes & kChangeBounds) != 0) {
        MoveWindow(window, control.Left(), control.Top(), control.Width(), control.Height(), TRUE);
    }
    if ((changes & kChangeVisible) != 0) {
        ShowWindow(window, control.Visible() ? SW_SHOWNA : SW_HIDE);
    }
    if ((changes & kChangeEnabled) != 0) EnableWindow(window, control.Enabled() ? TRUE : FALSE);
    if ((changes & kChangeFont) != 0) {
        SendMessageW(window, WM_SETFONT, reinterpret_cast<WPARAM>(fonts.Get(control.Font())), TRUE);
    }
    // Colours are asked for at every paint (WM_CTLCOLOR...).
    if ((changes & (kChangeColor | kChangeFont)) != 0) InvalidateRect(window, nullptr, TRUE);
    switch (control.Kind()) {
        case ControlKind::ListBox:
            UpdateListBox(window, dynamic_cast<const TListBox&>(control), changes);
            break;
        case ControlKind::Memo:
            UpdateMemo(window, dynamic_cast<const TMemo&>(control), changes);
            break;
        case ControlKind::UpDown:
            UpdateUpDown(window, dynamic_cast<const TUpDown&>(control), changes);
            break;
        case ControlKind::ScrollBar:
            UpdateScrollBar(window, dynamic_cast<const TScrollBar&>(control), changes);
            break;
        case ControlKind::ProgressBar:
            UpdateProgressBar(window, dynamic_cast<const TProgressBar&>(control), changes);
            break;
        case ControlKind::RadioButton:
            UpdateRadioButton(window, dynamic_cast<const TRadioButton&>(control), changes);
            break;
        default:
            break;
    }
}

}  // namespace tavrik::vcl::win32
