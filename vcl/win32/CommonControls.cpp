#include "vcl/win32/CommonControls.h"

#include <string>

#include "vcl/win32/Win32.h"

#include <commctrl.h>

namespace tavrik::vcl::win32 {

void EnsureCommonControls() {
    static bool loaded = false;
    if (loaded) return;
    loaded = true;
    // Stays loaded for the program's life: its window classes must.
    // From the system folder, never one found by a search.
    char folder[MAX_PATH];
    const UINT length = GetSystemDirectoryA(folder, MAX_PATH);
    if (length == 0 || length >= MAX_PATH) return;
    HMODULE library = LoadLibraryA((std::string(folder, length) + "\\comctl32.dll").c_str());
    if (library == nullptr) return;
    using InitFunction = BOOL(WINAPI*)(const INITCOMMONCONTROLSEX*);
    const auto init = reinterpret_cast<InitFunction>(
        reinterpret_cast<void (*)()>(GetProcAddress(library, "InitCommonControlsEx")));
    if (init == nullptr) return;
    INITCOMMONCONTROLSEX common = {};
    common.dwSize = sizeof common;
    common.dwICC = ICC_UPDOWN_CLASS | ICC_PROGRESS_CLASS | ICC_BAR_CLASSES;
    init(&common);
}

}  // namespace tavrik::vcl::win32
