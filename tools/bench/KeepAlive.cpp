// Keeps the prefix's desktop process up between the benchmark's runs: Wine
// ends it when the last window of the session goes, and starting it again
// would double the next program's start. A hidden window is enough; the
// benchmark ends this program with its prefix's Wine server.
#include <windows.h>

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    WNDCLASSA windowClass = {};
    windowClass.lpfnWndProc = DefWindowProcA;
    windowClass.hInstance = instance;
    windowClass.lpszClassName = "TavrikBenchKeepAlive";
    if (!RegisterClassA(&windowClass)) return 1;
    if (CreateWindowA("TavrikBenchKeepAlive", "", WS_OVERLAPPED, 0, 0, 1, 1, nullptr, nullptr,
                      instance, nullptr) == nullptr) {
        return 1;
    }
    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) DispatchMessageA(&message);
    return 0;
}
