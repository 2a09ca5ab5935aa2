#include "WizardWindows.h"

#include <commctrl.h>

#include <cstdio>

#include "vcl/win32/PeerProtocol.h"

namespace tavrik::probe {
namespace {

namespace protocol = tavrik::vcl::win32;

// The wizard may be blocked waiting for a child process; a message to one of
// its controls must not hang the probe.
constexpr UINT kSendTimeoutMs = 2000;

bool SendWithTimeout(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    DWORD_PTR value = 0;
    if (!SendMessageTimeoutW(hwnd, message, wParam, lParam, SMTO_ABORTIFHUNG, kSendTimeoutMs,
                             &value)) {
        return false;
    }
    result = static_cast<LRESULT>(value);
    return true;
}

std::string ToUtf8(const std::wstring& wide) {
    if (wide.empty()) return {};
    int size = WideCharToMultiByte(CP_UTF8, 0, wide.data(), static_cast<int>(wide.size()), nullptr,
                                   0, nullptr, nullptr);
    std::string text(static_cast<std::size_t>(size), '\0');
    WideCharToMultiByte(CP_UTF8, 0, wide.data(), static_cast<int>(wide.size()), text.data(), size,
                        nullptr, nullptr);
    return text;
}

std::string ClassNameOf(HWND hwnd) {
    char name[256] = {};
    GetClassNameA(hwnd, name, sizeof name);
    return name;
}

bool IsClass(const NamedWindow& window, const char* className) {
    return lstrcmpiA(window.className.c_str(), className) == 0;
}

// Native controls keep their text themselves: ask them (the message is
// marshalled across processes).
std::string ControlTextUtf8(HWND hwnd) {
    LRESULT length = 0;
    if (!SendWithTimeout(hwnd, WM_GETTEXTLENGTH, 0, 0, length) || length <= 0) return {};
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    LRESULT copied = 0;
    if (!SendWithTimeout(hwnd, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()),
                         copied)) {
        return {};
    }
    text.resize(static_cast<std::size_t>(copied));
    return ToUtf8(text);
}

std::string ListItemUtf8(HWND hwnd, int index) {
    LRESULT length = 0;
    if (!SendWithTimeout(hwnd, LB_GETTEXTLEN, static_cast<WPARAM>(index), 0, length) ||
        length < 0) {
        return {};
    }
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    LRESULT copied = 0;
    if (!SendWithTimeout(hwnd, LB_GETTEXT, static_cast<WPARAM>(index),
                         reinterpret_cast<LPARAM>(text.data()), copied) ||
        copied < 0) {
        return {};
    }
    text.resize(static_cast<std::size_t>(copied));
    return ToUtf8(text);
}

int ListCount(HWND hwnd) {
    LRESULT count = 0;
    if (!SendWithTimeout(hwnd, LB_GETCOUNT, 0, 0, count) || count < 0) return 0;
    return static_cast<int>(count);
}

std::string NameOf(HWND hwnd) {
    ATOM atom =
        static_cast<ATOM>(reinterpret_cast<UINT_PTR>(GetPropA(hwnd, protocol::kNameProperty)));
    if (atom == 0) return {};
    char name[256] = {};
    UINT length = GlobalGetAtomNameA(atom, name, sizeof name);
    return std::string(name, length);
}

BOOL CALLBACK CollectNamed(HWND hwnd, LPARAM param) {
    auto& windows = *reinterpret_cast<std::vector<NamedWindow>*>(param);
    std::string name = NameOf(hwnd);
    if (!name.empty()) windows.push_back({hwnd, name, ClassNameOf(hwnd)});
    return TRUE;
}

std::string Flag(bool value) { return value ? "1" : "0"; }

std::string Pair(int a, int b, char separator) {
    return std::to_string(a) + separator + std::to_string(b);
}

}  // namespace

HWND FindFormWindow() { return FindWindowA(protocol::kFormClass, nullptr); }

std::vector<NamedWindow> NamedWindows(HWND form) {
    std::vector<NamedWindow> windows;
    EnumChildWindows(form, CollectNamed, reinterpret_cast<LPARAM>(&windows));
    return windows;
}

NamedWindow FindNamed(HWND form, const std::string& name) {
    if (NameOf(form) == name) return {form, name, ClassNameOf(form)};
    for (const NamedWindow& window : NamedWindows(form)) {
        if (window.name == name) return window;
    }
    return {};
}

std::string WindowTextUtf8(HWND hwnd) {
    int length = GetWindowTextLengthW(hwnd);
    if (length <= 0) return {};
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    int copied = GetWindowTextW(hwnd, text.data(), length + 1);
    text.resize(static_cast<std::size_t>(copied < 0 ? 0 : copied));
    return ToUtf8(text);
}

bool VisibleText(const NamedWindow& window, std::string& text) {
    if (IsClass(window, protocol::kTextClass) || IsClass(window, protocol::kPagesClass) ||
        IsClass(window, protocol::kGroupClass)) {
        text = WindowTextUtf8(window.hwnd);
        return true;
    }
    if (IsClass(window, "Button") || IsClass(window, "Edit")) {
        text = ControlTextUtf8(window.hwnd);
        return true;
    }
    if (IsClass(window, "ListBox")) {
        text.clear();
        int count = ListCount(window.hwnd);
        for (int i = 0; i < count; ++i) {
            if (i > 0) text += '\n';
            text += ListItemUtf8(window.hwnd, i);
        }
        return true;
    }
    return false;
}

std::string EscapeLine(const std::string& text) {
    std::string line;
    for (std::size_t i = 0; i < text.size(); ++i) {
        char c = text[i];
        if (c == '\r') {
            if (i + 1 < text.size() && text[i + 1] == '\n') ++i;
            line += "\\n";
        } else if (c == '\n') {
            line += "\\n";
        } else if (c == '\t') {
            line += "\\t";
        } else if (c == '\\') {
            line += "\\\\";
        } else {
            line += c;
        }
    }
    return line;
}

std::vector<std::string> DescribeState(HWND form, const NamedWindow& window) {
    std::vector<std::string> lines;
    HWND hwnd = window.hwnd;
    RECT rect = {};
    GetWindowRect(hwnd, &rect);
    MapWindowPoints(HWND_DESKTOP, form, reinterpret_cast<POINT*>(&rect), 2);
    lines.push_back("class=" + window.className);
    lines.push_back("visible=" + Flag(IsWindowVisible(hwnd) != FALSE));
    lines.push_back("enabled=" + Flag(IsWindowEnabled(hwnd) != FALSE));
    lines.push_back("bounds=" + Pair(rect.left, rect.top, ',') + "," +
                    Pair(rect.right - rect.left, rect.bottom - rect.top, ','));
    std::string text;
    if (VisibleText(window, text)) lines.push_back("text=" + EscapeLine(text));

    LRESULT value = 0;
    if (IsClass(window, "Button") && SendWithTimeout(hwnd, BM_GETCHECK, 0, 0, value)) {
        lines.push_back("checked=" + Flag(value == BST_CHECKED));
    } else if (IsClass(window, "ListBox")) {
        lines.push_back("count=" + std::to_string(ListCount(hwnd)));
        if (SendWithTimeout(hwnd, LB_GETCURSEL, 0, 0, value)) {
            lines.push_back("selected=" + std::to_string(static_cast<int>(value)));
        }
    } else if (IsClass(window, "ScrollBar")) {
        SCROLLINFO info = {};
        info.cbSize = sizeof info;
        info.fMask = SIF_RANGE | SIF_POS | SIF_PAGE;
        if (SendWithTimeout(hwnd, SBM_GETPOS, 0, 0, value)) {
            lines.push_back("position=" + std::to_string(static_cast<int>(value)));
        }
        if (GetScrollInfo(hwnd, SB_CTL, &info)) {
            lines.push_back("range=" + Pair(info.nMin, info.nMax, ','));
        }
    } else if (IsClass(window, PROGRESS_CLASSA)) {
        LRESULT low = 0;
        LRESULT high = 0;
        if (SendWithTimeout(hwnd, PBM_GETPOS, 0, 0, value)) {
            lines.push_back("position=" + std::to_string(static_cast<int>(value)));
        }
        if (SendWithTimeout(hwnd, PBM_GETRANGE, TRUE, 0, low) &&
            SendWithTimeout(hwnd, PBM_GETRANGE, FALSE, 0, high)) {
            lines.push_back("range=" + Pair(static_cast<int>(low), static_cast<int>(high), ','));
        }
    } else if (IsClass(window, UPDOWN_CLASSA)) {
        if (SendWithTimeout(hwnd, UDM_GETPOS32, 0, 0, value)) {
            lines.push_back("position=" + std::to_string(static_cast<int>(value)));
        }
        if (SendWithTimeout(hwnd, UDM_GETRANGE, 0, 0, value)) {
            auto packed = static_cast<DWORD>(value);
            lines.push_back("range=" + Pair(static_cast<short>(HIWORD(packed)),
                                            static_cast<short>(LOWORD(packed)), ','));
        }
    }
    return lines;
}

namespace {

struct BoxSearch {
    DWORD processId = 0;
    bool ofAnotherProcess = false;
    HWND found = nullptr;
};

BOOL CALLBACK FindBoxOfProcess(HWND hwnd, LPARAM param) {
    auto& search = *reinterpret_cast<BoxSearch*>(param);
    DWORD processId = 0;
    GetWindowThreadProcessId(hwnd, &processId);
    const bool wanted = (processId == search.processId) != search.ofAnotherProcess;
    if (wanted && IsWindowVisible(hwnd) && ClassNameOf(hwnd) == "#32770") {
        search.found = hwnd;
        return FALSE;
    }
    return TRUE;
}

BOOL CALLBACK CollectStaticTexts(HWND hwnd, LPARAM param) {
    auto& lines = *reinterpret_cast<std::vector<std::string>*>(param);
    if (lstrcmpiA(ClassNameOf(hwnd).c_str(), "Static") == 0) {
        std::string text = ControlTextUtf8(hwnd);
        if (!text.empty()) lines.push_back("text=" + EscapeLine(text));
    }
    return TRUE;
}

}  // namespace

HWND FindMessageBox(HWND form, bool ofAnotherProcess) {
    BoxSearch search;
    search.ofAnotherProcess = ofAnotherProcess;
    GetWindowThreadProcessId(form, &search.processId);
    EnumWindows(FindBoxOfProcess, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

std::vector<std::string> DescribeMessageBox(HWND box) {
    std::vector<std::string> lines{"title=" + EscapeLine(WindowTextUtf8(box))};
    EnumChildWindows(box, CollectStaticTexts, reinterpret_cast<LPARAM>(&lines));
    return lines;
}

std::vector<std::string> DescribeForm(HWND form) {
    std::vector<std::string> lines;
    RECT client = {};
    GetClientRect(form, &client);
    RECT outer = {};
    GetWindowRect(form, &outer);
    POINT origin = {0, 0};
    ClientToScreen(form, &origin);
    LONG style = GetWindowLongA(form, GWL_STYLE);
    LONG exStyle = GetWindowLongA(form, GWL_EXSTYLE);
    lines.push_back("client=" + Pair(client.right, client.bottom, 'x'));
    lines.push_back("window=" + Pair(outer.left, outer.top, ',') + "," +
                    Pair(outer.right - outer.left, outer.bottom - outer.top, ','));
    lines.push_back("client_origin=" + Pair(origin.x, origin.y, ','));
    lines.push_back("visible=" + Flag(IsWindowVisible(form) != FALSE));
    lines.push_back("topmost=" + Flag((exStyle & WS_EX_TOPMOST) != 0));
    lines.push_back("caption=" + EscapeLine(WindowTextUtf8(form)));
    lines.push_back("sysmenu=" + Flag((style & WS_SYSMENU) != 0));
    lines.push_back("minimize_box=" + Flag((style & WS_MINIMIZEBOX) != 0));
    lines.push_back("maximize_box=" + Flag((style & WS_MAXIMIZEBOX) != 0));
    lines.push_back("sizable=" + Flag((style & WS_THICKFRAME) != 0));
    // Another process's menus can be read on Windows but not under Wine;
    // `try-close` checks the same thing by its effect.
    HMENU menu = GetSystemMenu(form, FALSE);
    UINT state = menu != nullptr ? GetMenuState(menu, SC_CLOSE, MF_BYCOMMAND) : 0xFFFFFFFFu;
    lines.push_back("close_greyed=" + (state == 0xFFFFFFFFu ? std::string("unreadable")
                                                            : Flag((state & MF_GRAYED) != 0)));
    return lines;
}

}  // namespace tavrik::probe
