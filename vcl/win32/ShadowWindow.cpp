#include "vcl/win32/ShadowWindow.h"

#include "vcl/win32/NameProperty.h"
#include "vcl/win32/PeerProtocol.h"
#include "vcl/win32/TextCodePage.h"

namespace tavrik::vcl::win32 {
namespace {

constexpr wchar_t kShadowClassW[] = L"TavrikText";
static_assert(sizeof(kShadowClassW) / sizeof(wchar_t) == sizeof(kTextClass));

LRESULT CALLBACK ShadowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_NCHITTEST:
            return HTTRANSPARENT;
        case WM_ERASEBKGND:
            return 1;
        case WM_PAINT:
            // The parent paints the control; the shadow only has to be valid.
            ValidateRect(window, nullptr);
            return 0;
        case WM_NCDESTROY:
            DetachName(window);
            break;
        default:
            break;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

void PlaceShadow(HWND shadow, const TControl& control) {
    SetWindowPos(shadow, HWND_BOTTOM, control.Left(), control.Top(), control.Width(),
                 control.Height(), SWP_NOACTIVATE);
}

}  // namespace

void RegisterShadowClass(HINSTANCE instance) {
    WNDCLASSW windowClass = {};
    windowClass.lpfnWndProc = ShadowProc;
    windowClass.hInstance = instance;
    windowClass.lpszClassName = kShadowClassW;
    RegisterClassW(&windowClass);
}

HWND CreateShadow(HINSTANCE instance, HWND parent, const TControl& control) {
    DWORD style = WS_CHILD;
    if (control.Visible()) style |= WS_VISIBLE;
    if (!control.Enabled()) style |= WS_DISABLED;
    HWND shadow =
        CreateWindowExW(0, kShadowClassW, L"", style, control.Left(), control.Top(),
                        control.Width(), control.Height(), parent, nullptr, instance, nullptr);
    if (shadow == nullptr) return nullptr;
    AttachName(shadow, control.Name());
    SetWindowTextForFont(shadow, control.Caption(), control.Font().Charset());
    PlaceShadow(shadow, control);
    return shadow;
}

void UpdateShadow(HWND shadow, const TControl& control, ChangeSet changes) {
    if ((changes & (kChangeBounds | kChangeZOrder)) != 0) PlaceShadow(shadow, control);
    if ((changes & kChangeVisible) != 0) {
        ShowWindow(shadow, control.Visible() ? SW_SHOWNA : SW_HIDE);
    }
    if ((changes & kChangeEnabled) != 0) EnableWindow(shadow, control.Enabled() ? TRUE : FALSE);
    // A new font may read the same bytes as other characters.
    if ((changes & (kChangeText | kChangeFont)) != 0) {
        SetWindowTextForFont(shadow, control.Caption(), control.Font().Charset());
    }
}

}  // namespace tavrik::vcl::win32
