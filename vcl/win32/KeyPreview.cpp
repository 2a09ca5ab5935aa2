#include "vcl/win32/KeyPreview.h"

#include "vcl/Form.h"
#include "vcl/win32/Win32Host.h"

namespace tavrik::vcl::win32 {
namespace {

ShiftState CurrentShift() {
    ShiftState shift = 0;
    if (GetKeyState(VK_SHIFT) < 0) shift |= kShiftShift;
    if (GetKeyState(VK_MENU) < 0) shift |= kShiftAlt;
    if (GetKeyState(VK_CONTROL) < 0) shift |= kShiftCtrl;
    return shift;
}

}  // namespace

bool PreviewKey(MSG& message) {
    const bool keyDown = message.message == WM_KEYDOWN || message.message == WM_SYSKEYDOWN;
    if (!keyDown && message.message != WM_CHAR) return false;
    Win32Host& host = Win32Host::Instance();
    auto* form = dynamic_cast<TForm*>(host.ControlOf(GetAncestor(message.hwnd, GA_ROOT)));
    if (form == nullptr) return false;
    TControl* focused = host.ControlOf(message.hwnd);
    if (focused == form) focused = nullptr;
    if (keyDown) {
        auto key = static_cast<std::uint16_t>(message.wParam);
        events::KeyDown(*form, focused, key, CurrentShift());
        if (key == 0) return true;
        message.wParam = key;
        return false;
    }
    auto character = static_cast<char>(static_cast<unsigned char>(message.wParam));
    events::KeyPress(*form, focused, character);
    if (character == 0) return true;
    message.wParam = static_cast<unsigned char>(character);
    return false;
}

}  // namespace tavrik::vcl::win32
