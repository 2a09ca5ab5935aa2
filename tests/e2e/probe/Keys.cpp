#include "Keys.h"

#include <cctype>
#include <cstdlib>

namespace tavrik::probe {
namespace {

struct KeyName {
    const char* name;
    UINT key;
};

constexpr KeyName kKeyNames[] = {
    {"ENTER", VK_RETURN}, {"RETURN", VK_RETURN}, {"ESCAPE", VK_ESCAPE}, {"TAB", VK_TAB},
    {"SPACE", VK_SPACE},  {"LEFT", VK_LEFT},     {"UP", VK_UP},         {"RIGHT", VK_RIGHT},
    {"DOWN", VK_DOWN},    {"HOME", VK_HOME},     {"END", VK_END},       {"PRIOR", VK_PRIOR},
    {"NEXT", VK_NEXT},
};

bool IsExtendedKey(UINT key) {
    switch (key) {
        case VK_LEFT:
        case VK_UP:
        case VK_RIGHT:
        case VK_DOWN:
        case VK_HOME:
        case VK_END:
        case VK_PRIOR:
        case VK_NEXT:
            return true;
        default:
            return false;
    }
}

std::string Upper(std::string text) {
    for (char& c : text) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return text;
}

}  // namespace

UINT VirtualKeyFromName(const std::string& name) {
    std::string upper = Upper(name);
    for (const KeyName& entry : kKeyNames) {
        if (upper == entry.name) return entry.key;
    }
    if (upper.size() >= 2 && upper.size() <= 3 && upper[0] == 'F' &&
        std::isdigit(static_cast<unsigned char>(upper[1]))) {
        int number = std::atoi(upper.c_str() + 1);
        if (number >= 1 && number <= 12) return static_cast<UINT>(VK_F1 + number - 1);
        return 0;
    }
    if (upper.size() == 1 && std::isalnum(static_cast<unsigned char>(upper[0]))) {
        return static_cast<UINT>(upper[0]);
    }
    if (upper.size() > 2 && upper[0] == '0' && upper[1] == 'X') {
        char* end = nullptr;
        unsigned long code = std::strtoul(upper.c_str() + 2, &end, 16);
        if (*end == '\0' && code > 0 && code < 0xFF) return static_cast<UINT>(code);
    }
    return 0;
}

bool PostKey(HWND form, UINT virtualKey) {
    HWND target = form;
    GUITHREADINFO info = {};
    info.cbSize = sizeof info;
    DWORD thread = GetWindowThreadProcessId(form, nullptr);
    if (GetGUIThreadInfo(thread, &info) && info.hwndFocus != nullptr) target = info.hwndFocus;

    UINT scan = MapVirtualKeyA(virtualKey, 0);
    LPARAM down = 1 | (static_cast<LPARAM>(scan) << 16);
    if (IsExtendedKey(virtualKey)) down |= LPARAM{1} << 24;
    LPARAM up = down | (LPARAM{1} << 30) | (LPARAM{1} << 31);
    return PostMessageA(target, WM_KEYDOWN, virtualKey, down) &&
           PostMessageA(target, WM_KEYUP, virtualKey, up);
}

bool PostClick(HWND target, bool isShadow) {
    RECT rect = {};
    if (!GetWindowRect(target, &rect)) return false;
    POINT centre = {(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
    // A shadow lets the mouse through to its parent, which paints the
    // control. A disabled window would not get the click from a real mouse.
    HWND receiver = isShadow ? GetParent(target) : target;
    if (receiver == nullptr || (!isShadow && !IsWindowEnabled(target))) return false;
    ScreenToClient(receiver, &centre);
    LPARAM where = MAKELPARAM(centre.x, centre.y);
    return PostMessageA(receiver, WM_MOUSEMOVE, 0, where) &&
           PostMessageA(receiver, WM_LBUTTONDOWN, MK_LBUTTON, where) &&
           PostMessageA(receiver, WM_LBUTTONUP, 0, where);
}

}  // namespace tavrik::probe
