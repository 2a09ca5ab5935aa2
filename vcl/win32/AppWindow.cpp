#include "vcl/win32/AppWindow.h"

#include "vcl/Application.h"
#include "vcl/win32/PeerProtocol.h"
#include "vcl/win32/Win32Host.h"

namespace tavrik::vcl::win32 {
namespace {

constexpr wchar_t kAppClassW[] = L"TavrikApp";
static_assert(sizeof(kAppClassW) / sizeof(wchar_t) == sizeof(kAppClass));

LRESULT CALLBACK AppProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_TIMER) {
        RunGuarded([wParam] { Win32Host::Instance().TimerFired(wParam); });
        return 0;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace

HWND CreateAppWindow(HINSTANCE instance) {
    WNDCLASSW windowClass = {};
    windowClass.lpfnWndProc = AppProc;
    windowClass.hInstance = instance;
    windowClass.lpszClassName = kAppClassW;
    RegisterClassW(&windowClass);
    // Message-only: it receives the timers and is never shown, so the system
    // makes no screen window for it (a cost at every start).
    return CreateWindowExW(0, kAppClassW, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, instance,
                           nullptr);
}

}  // namespace tavrik::vcl::win32
