#include "vcl/win32/ContainerWindow.h"

#include <windowsx.h>

#include <string>

#include "vcl/Application.h"
#include "vcl/Form.h"
#include "vcl/PageControl.h"
#include "vcl/win32/ChildNotifications.h"
#include "vcl/win32/Cursors.h"
#include "vcl/win32/FormStyle.h"
#include "vcl/win32/NameProperty.h"
#include "vcl/win32/Painter.h"
#include "vcl/win32/PeerProtocol.h"
#include "vcl/win32/TextCodePage.h"
#include "vcl/win32/Win32Host.h"

namespace tavrik::vcl::win32 {
namespace {

constexpr wchar_t kFormClassW[] = L"TavrikForm";
constexpr wchar_t kPagesClassW[] = L"TavrikPages";
constexpr wchar_t kPageClassW[] = L"TavrikPage";
constexpr wchar_t kGroupClassW[] = L"TavrikGroup";
static_assert(sizeof(kFormClassW) / sizeof(wchar_t) == sizeof(kFormClass));
static_assert(sizeof(kPagesClassW) / sizeof(wchar_t) == sizeof(kPagesClass));
static_assert(sizeof(kPageClassW) / sizeof(wchar_t) == sizeof(kPageClass));
static_assert(sizeof(kGroupClassW) / sizeof(wchar_t) == sizeof(kGroupClass));

// The program's icon resource (FormIcon.rc), shown in the form's caption.
constexpr char kIconResource[] = "MAINICON";

bool SystemCloseGreyed(HWND window) {
    HMENU menu = GetSystemMenu(window, FALSE);
    return menu != nullptr && (GetMenuState(menu, SC_CLOSE, MF_BYCOMMAND) & MF_GRAYED) != 0;
}

bool SetCursorFor(HWND window, TWinControl& container) {
    POINT point = {};
    GetCursorPos(&point);
    ScreenToClient(window, &point);
    TControl* child = container.ControlAtPos(point.x, point.y);
    TCursor cursor = child != nullptr ? child->Cursor() : TCursor::crDefault;
    // Like the framework: a control without a cursor of its own shows its
    // container's.
    if (cursor == TCursor::crDefault) cursor = container.Cursor();
    if (cursor == TCursor::crDefault) return false;
    SetCursor(CursorHandle(cursor));
    return true;
}

void FireClick(TControl* control) {
    if (control != nullptr) events::Click(*control);
}

// Messages every container handles the same way. True when handled.
bool HandleContainerMessage(HWND window, TWinControl& container, UINT message, WPARAM wParam,
                            LPARAM lParam, LRESULT& result) {
    Win32Host& host = Win32Host::Instance();
    const int x = GET_X_LPARAM(lParam);
    const int y = GET_Y_LPARAM(lParam);
    switch (message) {
        case WM_ERASEBKGND:
            // WM_PAINT covers every pixel from a back buffer.
            result = 1;
            return true;
        case WM_PAINT:
            PaintContainer(window, container);
            result = 0;
            return true;
        case WM_MOUSEMOVE:
            host.Mouse().Move(window, container, x, y);
            result = 0;
            return true;
        case WM_LBUTTONDOWN:
        case WM_LBUTTONDBLCLK:
            host.Mouse().Press(window, container, x, y);
            result = 0;
            return true;
        case WM_LBUTTONUP:
            FireClick(host.Mouse().Release(window, container, x, y));
            result = 0;
            return true;
        case WM_MOUSELEAVE:
            host.Mouse().Leave(window);
            result = 0;
            return true;
        case WM_CAPTURECHANGED:
            host.Mouse().CaptureLost(window);
            result = 0;
            return true;
        case WM_SETCURSOR:
            if (reinterpret_cast<HWND>(wParam) == window && LOWORD(lParam) == HTCLIENT &&
                SetCursorFor(window, container)) {
                result = TRUE;
                return true;
            }
            return false;
        default:
            return HandleChildNotification(window, message, wParam, lParam, result);
    }
}

// The frame's own messages: the system menu's Close obeys the greyed item,
// whichever way it is asked for (close box, Alt+F4, a posted command).
bool HandleFormMessage(HWND window, TForm& form, UINT message, WPARAM wParam, LRESULT& result) {
    switch (message) {
        case WM_SYSCOMMAND:
            if ((wParam & 0xFFF0) == SC_CLOSE && SystemCloseGreyed(window)) {
                result = 0;
                return true;
            }
            return false;
        case WM_CLOSE:
            if (!SystemCloseGreyed(window)) form.Close();
            result = 0;
            return true;
        case WM_SETTINGCHANGE:
        case WM_THEMECHANGED:
            ForgetFrameExtents();
            return false;
        default:
            return false;
    }
}

LRESULT CALLBACK ContainerProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCDESTROY) DetachName(window);
    auto* container = dynamic_cast<TWinControl*>(Win32Host::Instance().ControlOf(window));
    if (container == nullptr) return DefWindowProcW(window, message, wParam, lParam);
    LRESULT result = 0;
    bool handled = false;
    // Nothing may unwind through the system's frames: an exception ends
    // here, shown like any other.
    RunGuarded([&] {
        if (auto* form = dynamic_cast<TForm*>(container)) {
            handled = HandleFormMessage(window, *form, message, wParam, result);
        }
        if (!handled) {
            handled = HandleContainerMessage(window, *container, message, wParam, lParam, result);
        }
    });
    return handled ? result : DefWindowProcW(window, message, wParam, lParam);
}

void RegisterOne(HINSTANCE instance, const wchar_t* name, HICON icon, HICON smallIcon) {
    WNDCLASSEXW windowClass = {};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = ContainerProc;
    windowClass.hInstance = instance;
    windowClass.hIcon = icon;
    windowClass.hIconSm = smallIcon;
    windowClass.hCursor = LoadCursor(nullptr, IDC_ARROW);
    windowClass.lpszClassName = name;
    RegisterClassExW(&windowClass);
}

const wchar_t* ClassNameFor(ControlKind kind) {
    switch (kind) {
        case ControlKind::Form:
            return kFormClassW;
        case ControlKind::PageControl:
            return kPagesClassW;
        case ControlKind::TabSheet:
            return kPageClassW;
        default:
            return kGroupClassW;
    }
}

}  // namespace

void RegisterContainerClasses(HINSTANCE instance) {
    HICON icon = LoadIconA(instance, kIconResource);
    // The title bar's small icon is loaded here from the resource; a class
    // registered without one has the system make a copy at registration.
    HICON smallIcon = static_cast<HICON>(LoadImageA(instance, kIconResource, IMAGE_ICON,
                                                    GetSystemMetrics(SM_CXSMICON),
                                                    GetSystemMetrics(SM_CYSMICON), 0));
    if (icon == nullptr) icon = LoadIcon(nullptr, IDI_APPLICATION);
    RegisterOne(instance, kFormClassW, icon, smallIcon);
    RegisterOne(instance, kPagesClassW, nullptr, nullptr);
    RegisterOne(instance, kPageClassW, nullptr, nullptr);
    RegisterOne(instance, kGroupClassW, nullptr, nullptr);
}

HWND CreateContainer(HINSTANCE instance, TControl& control, HWND parent) {
    DWORD style = parent != nullptr ? WS_CHILD : 0;
    DWORD exStyle = 0;
    if (auto* form = dynamic_cast<TForm*>(&control)) {
        FrameStyle frame = FrameStyleOf(*form);
        style = frame.style;
        exStyle = frame.exStyle;
    }
    // A form is shown once all its windows exist, never half made.
    if (control.Visible() && parent != nullptr) style |= WS_VISIBLE;
    if (!control.Enabled()) style |= WS_DISABLED;
    HWND window = CreateWindowExW(exStyle, ClassNameFor(control.Kind()), L"", style, control.Left(),
                                  control.Top(), control.Width(), control.Height(), parent, nullptr,
                                  instance, nullptr);
    if (window == nullptr) return nullptr;
    AttachName(window, control.Name());
    if (control.Kind() == ControlKind::PageControl) {
        UpdatePageControlText(window, control);
    } else {
        SetWindowTextForFont(window, control.Caption(), control.Font().Charset());
    }
    return window;
}

void UpdatePageControlText(HWND window, const TControl& pageControl) {
    const auto& pages = dynamic_cast<const TPageControl&>(pageControl);
    std::string text = std::to_string(pages.ActivePageIndex());
    if (pages.ActivePage() != nullptr) text += " " + pages.ActivePage()->Name();
    SetWindowTextA(window, text.c_str());
}

}  // namespace tavrik::vcl::win32
