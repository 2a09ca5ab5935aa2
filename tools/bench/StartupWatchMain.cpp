// startup-watch.exe: starts a program under Wine and watches its start from
// the Windows side, on one clock: when its top-level window is visible,
// when its pixels became final; then holds it open until the benchmark has
// read its Linux-side figures, closes it as a user would and times its exit.
#include <windows.h>

#include <cstdio>
#include <string>
#include <vector>

#include "tools/bench/StartupWatch.h"

namespace {

using tavrik::bench::PixelGrab;
using tavrik::bench::WatchOptions;

LARGE_INTEGER launchTicks;
double ticksPerMs = 1;

double SinceLaunchMs() {
    LARGE_INTEGER now;
    QueryPerformanceCounter(&now);
    return static_cast<double>(now.QuadPart - launchTicks.QuadPart) / ticksPerMs;
}

struct WindowSearch {
    DWORD processId;
    const WatchOptions* options;
    HWND found;
};

BOOL CALLBACK FindVisibleWindow(HWND hwnd, LPARAM param) {
    auto* search = reinterpret_cast<WindowSearch*>(param);
    DWORD owner = 0;
    GetWindowThreadProcessId(hwnd, &owner);
    if (owner != search->processId || !IsWindowVisible(hwnd)) return TRUE;
    char text[256] = {};
    GetWindowTextA(hwnd, text, sizeof text);
    if (std::string(text).rfind(search->options->titlePrefix, 0) != 0) return TRUE;
    if (!search->options->windowClass.empty()) {
        GetClassNameA(hwnd, text, sizeof text);
        if (search->options->windowClass != text) return TRUE;
    }
    search->found = hwnd;
    return FALSE;
}

// Polls every millisecond; null when the program ends or the bound passes.
HWND WaitForWindow(const PROCESS_INFORMATION& process, const WatchOptions& options) {
    WindowSearch search{process.dwProcessId, &options, nullptr};
    while (SinceLaunchMs() < options.timeoutMs) {
        EnumWindows(FindVisibleWindow, reinterpret_cast<LPARAM>(&search));
        if (search.found != nullptr) return search.found;
        if (WaitForSingleObject(process.hProcess, 1) == WAIT_OBJECT_0) return nullptr;
    }
    return nullptr;
}

// The window's pixels as the screen shows them, hashed.
std::uint64_t GrabWindow(HWND window) {
    RECT rect = {};
    GetWindowRect(window, &rect);
    const int width = rect.right - rect.left;
    const int height = rect.bottom - rect.top;
    if (width <= 0 || height <= 0) return 0;
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(memory, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    std::uint64_t hash = 0;
    if (bitmap != nullptr) {
        HGDIOBJ previous = SelectObject(memory, bitmap);
        BitBlt(memory, 0, 0, width, height, screen, rect.left, rect.top, SRCCOPY);
        GdiFlush();
        hash = tavrik::bench::HashPixels(static_cast<const unsigned char*>(bits),
                                         static_cast<std::size_t>(width) * height * 4);
        SelectObject(memory, previous);
        DeleteObject(bitmap);
    }
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    return hash;
}

std::vector<PixelGrab> GrabPixels(HWND window, const WatchOptions& options) {
    std::vector<PixelGrab> grabs;
    const double until = SinceLaunchMs() + options.grabMs;
    for (double next = SinceLaunchMs(); next < until; next += options.everyMs) {
        while (SinceLaunchMs() < next) Sleep(1);
        const double at = SinceLaunchMs();
        grabs.push_back({at, GrabWindow(window)});
    }
    return grabs;
}

// As a user would: the key goes to the focused control of the program.
void Close(HWND window, const WatchOptions& options) {
    if (options.closeKey == 0) {
        PostMessageA(window, WM_CLOSE, 0, 0);
        return;
    }
    GUITHREADINFO focus = {};
    focus.cbSize = sizeof focus;
    HWND target = window;
    if (GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &focus) &&
        focus.hwndFocus != nullptr) {
        target = focus.hwndFocus;
    }
    const LPARAM scan = static_cast<LPARAM>(MapVirtualKeyA(options.closeKey, 0)) << 16;
    PostMessageA(target, WM_KEYDOWN, options.closeKey, 1 | scan);
    PostMessageA(target, WM_KEYUP, options.closeKey, 1 | scan | (LPARAM{3} << 30));
}

std::string FolderOf(const std::string& program) {
    const auto slash = program.find_last_of("\\/");
    return slash == std::string::npos ? std::string(".") : program.substr(0, slash + 1);
}

int Fail(const char* what, const std::string& detail) {
    std::fprintf(stderr, "startup-watch: %s%s\n", what, detail.c_str());
    return 2;
}

}  // namespace

int main(int argc, char** argv) {
    const tavrik::bench::ParsedWatchOptions parsed =
        tavrik::bench::ParseWatchOptions(std::vector<std::string>(argv + 1, argv + argc));
    if (!parsed.options) {
        std::fprintf(stderr, "startup-watch: %s\n%s", parsed.error.c_str(),
                     tavrik::bench::kWatchUsage);
        return 1;
    }
    const WatchOptions& options = *parsed.options;
    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    ticksPerMs = static_cast<double>(frequency.QuadPart) / 1000.0;

    std::string commandLine = "\"" + options.program + "\"";
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process = {};
    QueryPerformanceCounter(&launchTicks);
    if (!CreateProcessA(options.program.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0,
                        nullptr, FolderOf(options.program).c_str(), &startup, &process)) {
        return Fail("cannot start ", options.program);
    }
    HWND window = WaitForWindow(process, options);
    if (window == nullptr) {
        TerminateProcess(process.hProcess, 1);
        return Fail("no visible window of ", options.program);
    }
    std::printf("mapped_ms=%.1f\n", SinceLaunchMs());
    const std::vector<PixelGrab> grabs = GrabPixels(window, options);
    std::printf("final_ms=%.1f\ngrabs=%zu\nready\n", *tavrik::bench::FinalSince(grabs),
                grabs.size());
    std::fflush(stdout);

    // The benchmark reads the program's memory and CPU, then asks for the close.
    char line[64];
    if (std::fgets(line, sizeof line, stdin) == nullptr) {
        TerminateProcess(process.hProcess, 1);
        return Fail("standard input closed before the close was asked", "");
    }
    const double closeAsked = SinceLaunchMs();
    Close(window, options);
    if (WaitForSingleObject(process.hProcess, static_cast<DWORD>(options.timeoutMs)) !=
        WAIT_OBJECT_0) {
        TerminateProcess(process.hProcess, 1);
        return Fail("the program did not end after the close", "");
    }
    DWORD code = 0;
    GetExitCodeProcess(process.hProcess, &code);
    std::printf("exit_ms=%.1f\nclose_ms=%.1f\nexit_code=%lu\n", SinceLaunchMs(),
                SinceLaunchMs() - closeAsked, static_cast<unsigned long>(code));
    std::fflush(stdout);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return 0;
}
