// Mouse state of the windowless controls: which one the pointer is over
// (flat buttons light up) and which one a press began on (it looks pressed
// while the pointer stays on it, and gets the click when released there).
#pragma once

#include "vcl/win32/Win32.h"

#include "vcl/Control.h"

namespace tavrik::vcl::win32 {

class MouseTracker {
public:
    bool IsHot(const TControl& control) const { return hot_ == &control; }
    bool IsPressed(const TControl& control) const { return pressed_ == &control && inside_; }

    // Client coordinates of `window`, the peer of `container`.
    void Move(HWND window, TWinControl& container, int x, int y);
    void Press(HWND window, TWinControl& container, int x, int y);
    // The control to click (the press began and ended on it), or nullptr.
    TControl* Release(HWND window, TWinControl& container, int x, int y);
    // The pointer left the window, or the window lost the mouse capture.
    void Leave(HWND window);
    void CaptureLost(HWND window);
    // The control's peer goes: never refer to it again.
    void Forget(const TControl& control);

private:
    // The windowless child under the point, or the container itself.
    static TControl* Target(TWinControl& container, int x, int y);
    void SetHot(HWND window, TControl* control);
    void SetInside(bool inside);

    HWND hotWindow_ = nullptr;
    HWND trackedWindow_ = nullptr;  // asked to report the pointer leaving
    TControl* hot_ = nullptr;
    HWND pressWindow_ = nullptr;
    TControl* pressed_ = nullptr;
    bool inside_ = false;
};

}  // namespace tavrik::vcl::win32
