// probe.exe: reads the wizard's window from outside, as a screen reader
// would, and drives it with posted keys and clicks. Output is UTF-8, one
// fact per line. Exit codes: 0 done, 1 bad usage, 2 window or control not
// found (or a wait timed out), 3 the action failed.
#include <fcntl.h>
#include <io.h>
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "Keys.h"
#include "WizardWindows.h"
#include "vcl/win32/PeerProtocol.h"

namespace {

using namespace tavrik::probe;

constexpr int kOk = 0;
constexpr int kUsage = 1;
constexpr int kNotFound = 2;
constexpr int kFailed = 3;
constexpr DWORD kDefaultWaitMs = 10000;
constexpr DWORD kPollMs = 50;
constexpr DWORD kCloseWatchMs = 1000;

void Print(const std::string& line) {
    std::fwrite(line.data(), 1, line.size(), stdout);
    std::fputc('\n', stdout);
}

int Usage() {
    std::fputs(
        "usage: probe window | page | all | text NAME | state NAME | key KEY... |\n"
        "             click NAME | try-close | dialog | dialog-ok |\n"
        "             other-dialog | other-dialog-ok |\n"
        "             wait-window [MS] | wait-page N [MS] | wait-dialog [MS]\n",
        stderr);
    return kUsage;
}

DWORD WaitArgument(const std::vector<std::string>& args, std::size_t index) {
    return args.size() > index ? static_cast<DWORD>(std::strtoul(args[index].c_str(), nullptr, 10))
                               : kDefaultWaitMs;
}

HWND RequireForm() {
    HWND form = FindFormWindow();
    if (form == nullptr) std::fputs("probe: no wizard window\n", stderr);
    return form;
}

std::string PageText(HWND form) {
    for (const NamedWindow& window : NamedWindows(form)) {
        if (lstrcmpiA(window.className.c_str(), tavrik::vcl::win32::kPagesClass) == 0) {
            return WindowTextUtf8(window.hwnd);
        }
    }
    return {};
}

int WithNamed(HWND form, const std::string& name, int (*action)(HWND, const NamedWindow&)) {
    NamedWindow window = FindNamed(form, name);
    if (window.hwnd == nullptr) {
        std::fprintf(stderr, "probe: no control named %s\n", name.c_str());
        return kNotFound;
    }
    return action(form, window);
}

int PrintText(HWND, const NamedWindow& window) {
    std::string text;
    if (!VisibleText(window, text)) text = WindowTextUtf8(window.hwnd);
    Print(EscapeLine(text));
    return kOk;
}

int PrintState(HWND form, const NamedWindow& window) {
    for (const std::string& line : DescribeState(form, window)) Print(line);
    return kOk;
}

int Click(HWND, const NamedWindow& window) {
    bool shadow = lstrcmpiA(window.className.c_str(), tavrik::vcl::win32::kTextClass) == 0;
    return PostClick(window.hwnd, shadow) ? kOk : kFailed;
}

int PrintAll(HWND form) {
    for (const NamedWindow& window : NamedWindows(form)) {
        std::string text;
        if (IsWindowVisible(window.hwnd) && VisibleText(window, text)) {
            Print(window.name + "=" + EscapeLine(text));
        }
    }
    return kOk;
}

int SendKeys(HWND form, const std::vector<std::string>& args) {
    if (args.size() < 2) return Usage();
    for (std::size_t i = 1; i < args.size(); ++i) {
        UINT key = VirtualKeyFromName(args[i]);
        if (key == 0) {
            std::fprintf(stderr, "probe: unknown key %s\n", args[i].c_str());
            return kUsage;
        }
        if (!PostKey(form, key)) return kFailed;
    }
    return kOk;
}

// Posts the system menu's Close command, as the title bar's close box or
// Alt+F4 would, and tells whether the window went away. A refusal shows only
// as nothing happening, so the window is watched for the whole bound; a
// close is told as soon as it shows.
int TryClose(HWND form) {
    PostMessageA(form, WM_SYSCOMMAND, SC_CLOSE, 0);
    bool closed = false;
    for (DWORD waited = 0; !closed && waited < kCloseWatchMs; waited += kPollMs) {
        Sleep(kPollMs);
        closed = !IsWindow(form) || !IsWindowVisible(form);
    }
    Print(std::string("closed=") + (closed ? "1" : "0"));
    return kOk;
}

int PrintDialog(HWND form, bool ofAnotherProcess = false) {
    HWND box = FindMessageBox(form, ofAnotherProcess);
    if (box == nullptr) {
        std::fputs("probe: no message box\n", stderr);
        return kNotFound;
    }
    for (const std::string& line : DescribeMessageBox(box)) Print(line);
    return kOk;
}

// Presses the message box's OK button.
int DismissDialog(HWND form, bool ofAnotherProcess = false) {
    HWND box = FindMessageBox(form, ofAnotherProcess);
    if (box == nullptr) return kNotFound;
    return PostMessageA(box, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0) ? kOk : kFailed;
}

int WaitDialog(DWORD timeoutMs) {
    for (DWORD waited = 0;; waited += kPollMs) {
        HWND form = FindFormWindow();
        if (form != nullptr && FindMessageBox(form) != nullptr) return PrintDialog(form);
        if (waited >= timeoutMs) return kNotFound;
        Sleep(kPollMs);
    }
}

int WaitWindow(DWORD timeoutMs) {
    for (DWORD waited = 0;; waited += kPollMs) {
        HWND form = FindFormWindow();
        if (form != nullptr && IsWindowVisible(form)) return kOk;
        if (waited >= timeoutMs) return kNotFound;
        Sleep(kPollMs);
    }
}

int WaitPage(const std::string& number, DWORD timeoutMs) {
    std::string last;
    for (DWORD waited = 0;; waited += kPollMs) {
        HWND form = FindFormWindow();
        if (form != nullptr) {
            last = PageText(form);
            if (last.compare(0, number.size() + 1, number + " ") == 0) {
                Print(last);
                return kOk;
            }
        }
        if (waited >= timeoutMs) {
            std::fprintf(stderr, "probe: page is \"%s\", not %s\n", last.c_str(), number.c_str());
            return kNotFound;
        }
        Sleep(kPollMs);
    }
}

int Run(const std::vector<std::string>& args) {
    if (args.empty()) return Usage();
    const std::string& command = args[0];
    if (command == "wait-window") return WaitWindow(WaitArgument(args, 1));
    if (command == "wait-dialog") return WaitDialog(WaitArgument(args, 1));
    if (command == "wait-page") {
        if (args.size() < 2) return Usage();
        return WaitPage(args[1], WaitArgument(args, 2));
    }
    HWND form = RequireForm();
    if (form == nullptr) return kNotFound;
    if (command == "window") {
        for (const std::string& line : DescribeForm(form)) Print(line);
        return kOk;
    }
    if (command == "page") {
        Print(PageText(form));
        return kOk;
    }
    if (command == "all") return PrintAll(form);
    if (command == "key") return SendKeys(form, args);
    if (command == "try-close") return TryClose(form);
    if (command == "dialog") return PrintDialog(form);
    if (command == "dialog-ok") return DismissDialog(form);
    if (command == "other-dialog") return PrintDialog(form, true);
    if (command == "other-dialog-ok") return DismissDialog(form, true);
    if (args.size() != 2) return Usage();
    if (command == "text") return WithNamed(form, args[1], PrintText);
    if (command == "state") return WithNamed(form, args[1], PrintState);
    if (command == "click") return WithNamed(form, args[1], Click);
    return Usage();
}

}  // namespace

int main(int argc, char** argv) {
    _setmode(_fileno(stdout), _O_BINARY);
    std::vector<std::string> args(argv + 1, argv + argc);
    int code = Run(args);
    std::fflush(stdout);
    return code;
}
