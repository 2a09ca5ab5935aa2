#include "vcl/win32/MouseTracker.h"

#include "vcl/SpeedButton.h"
#include "vcl/win32/Win32Host.h"

namespace tavrik::vcl::win32 {
namespace {

void Redraw(TControl* control) {
    if (control != nullptr && control->IsWindowless()) Win32Host::Instance().Invalidate(*control);
}

// Only a flat button looks different under the pointer.
bool LightsUp(const TControl* control) {
    const auto* button = dynamic_cast<const TSpeedButton*>(control);
    return button != nullptr && button->Flat();
}

}  // namespace

TControl* MouseTracker::Target(TWinControl& container, int x, int y) {
    TControl* child = container.ControlAtPos(x, y);
    return child != nullptr ? child : &container;
}

void MouseTracker::SetHot(HWND window, TControl* control) {
    if (control == hot_ && window == hotWindow_) return;
    TControl* previous = hot_;
    hot_ = control;
    hotWindow_ = window;
    // Only what lights up is drawn again as the pointer comes and goes.
    if (LightsUp(previous)) Redraw(previous);
    if (LightsUp(hot_)) Redraw(hot_);
    // WM_MOUSELEAVE is asked for only while a button that lights up is hot,
    // so that it goes cold when the pointer leaves the window. Some systems
    // poll the pointer for as long as that lasts: over anything else the
    // program asks for nothing and is idle while the pointer rests.
    const bool track = window != nullptr && LightsUp(control);
    if (!track && trackedWindow_ == nullptr) return;
    TRACKMOUSEEVENT request = {};
    request.cbSize = sizeof request;
    request.dwFlags = track ? TME_LEAVE : TME_LEAVE | TME_CANCEL;
    request.hwndTrack = track ? window : trackedWindow_;
    TrackMouseEvent(&request);
    trackedWindow_ = track ? window : nullptr;
}

void MouseTracker::SetInside(bool inside) {
    if (inside == inside_) return;
    inside_ = inside;
    Redraw(pressed_);
}

void MouseTracker::Move(HWND window, TWinControl& container, int x, int y) {
    TControl* target = Target(container, x, y);
    SetHot(window, target);
    if (pressed_ != nullptr && window == pressWindow_) SetInside(target == pressed_);
}

void MouseTracker::Press(HWND window, TWinControl& container, int x, int y) {
    pressed_ = Target(container, x, y);
    pressWindow_ = window;
    inside_ = false;
    SetInside(true);
    SetCapture(window);
}

TControl* MouseTracker::Release(HWND window, TWinControl& container, int x, int y) {
    TControl* clicked = nullptr;
    if (pressed_ != nullptr && window == pressWindow_ && Target(container, x, y) == pressed_) {
        clicked = pressed_;
    }
    SetInside(false);
    pressed_ = nullptr;
    pressWindow_ = nullptr;
    if (GetCapture() == window) ReleaseCapture();
    return clicked;
}

void MouseTracker::Leave(HWND window) {
    // The system ended its tracking with this message.
    if (window == trackedWindow_) trackedWindow_ = nullptr;
    if (window == hotWindow_) SetHot(nullptr, nullptr);
}

void MouseTracker::CaptureLost(HWND window) {
    if (window != pressWindow_) return;
    SetInside(false);
    pressed_ = nullptr;
    pressWindow_ = nullptr;
}

void MouseTracker::Forget(const TControl& control) {
    if (hot_ == &control) {
        hot_ = nullptr;
        hotWindow_ = nullptr;
    }
    if (pressed_ == &control) {
        pressed_ = nullptr;
        pressWindow_ = nullptr;
        inside_ = false;
    }
}

}  // namespace tavrik::vcl::win32
