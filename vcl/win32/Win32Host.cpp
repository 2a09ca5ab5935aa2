#include "vcl/win32/Win32Host.h"

#include "vcl/Application.h"
#include "vcl/Form.h"
#include "vcl/Timer.h"
#include "vcl/win32/AppWindow.h"
#include "vcl/win32/ContainerWindow.h"
#include "vcl/win32/FormStyle.h"
#include "vcl/win32/KeyPreview.h"
#include "vcl/win32/NameProperty.h"
#include "vcl/win32/NativeControls.h"
#include "vcl/win32/ShadowWindow.h"
#include "vcl/win32/TextCodePage.h"

namespace tavrik::vcl::win32 {
namespace {

Win32Host* g_instance = nullptr;

bool IsContainer(ControlKind kind) {
    return kind == ControlKind::Form || kind == ControlKind::PageControl ||
           kind == ControlKind::TabSheet || kind == ControlKind::GroupBox;
}

bool HasShadow(ControlKind kind) {
    return kind == ControlKind::Label || kind == ControlKind::SpeedButton;
}

RECT BoundsRect(const TControl& control) {
    return RECT{control.Left(), control.Top(), control.Left() + control.Width(),
                control.Top() + control.Height()};
}

}  // namespace

Win32Host::Win32Host(HINSTANCE instance) : instance_(instance) {
    g_instance = this;
    RegisterContainerClasses(instance);
    RegisterShadowClass(instance);
}

Win32Host::~Win32Host() {
    for (const auto& timer : timers_) KillTimer(appWindow_, timer.first);
    if (appWindow_ != nullptr) DestroyWindow(appWindow_);
    if (g_instance == this) g_instance = nullptr;
}

Win32Host& Win32Host::Instance() { return *g_instance; }

HWND Win32Host::WindowOf(const TControl& control) { return reinterpret_cast<HWND>(control.Peer()); }

TControl* Win32Host::ControlOf(HWND window) const {
    auto found = controls_.find(window);
    return found != controls_.end() ? found->second : nullptr;
}

void Win32Host::Register(HWND window, TControl& control) {
    if (window != nullptr) controls_[window] = &control;
}

PeerId Win32Host::CreatePeer(TControl& control) {
    HWND parent = control.Parent() != nullptr ? WindowOf(*control.Parent()) : nullptr;
    HWND window = nullptr;
    const ControlKind kind = control.Kind();
    if (control.IsWindowless()) {
        windowless_[&control] = Placement{parent, BoundsRect(control)};
        if (parent != nullptr) {
            if (HasShadow(kind)) window = CreateShadow(instance_, parent, control);
            RECT rect = BoundsRect(control);
            InvalidateRect(parent, &rect, FALSE);
        }
    } else if (IsContainer(kind)) {
        window = CreateContainer(instance_, control, parent);
    } else if (parent != nullptr) {
        window = CreateNativeControl(instance_, control, parent, fonts_);
    }
    Register(window, control);
    return reinterpret_cast<PeerId>(window);
}

void Win32Host::DestroyPeer(TControl& control) {
    // Only the control's identity and peer may be used here: this can run
    // from the control's destructor.
    mouse_.Forget(control);
    auto placed = windowless_.find(&control);
    if (placed != windowless_.end()) {
        if (placed->second.surface != nullptr) {
            InvalidateRect(placed->second.surface, &placed->second.rect, FALSE);
        }
        windowless_.erase(placed);
    }
    HWND window = WindowOf(control);
    if (window == nullptr) return;
    controls_.erase(window);
    DetachName(window);
    DestroyWindow(window);
}

void Win32Host::RepaintWindowless(TControl& control) {
    auto placed = windowless_.find(&control);
    if (placed == windowless_.end() || placed->second.surface == nullptr) return;
    InvalidateRect(placed->second.surface, &placed->second.rect, FALSE);
    placed->second.rect = BoundsRect(control);
    InvalidateRect(placed->second.surface, &placed->second.rect, FALSE);
}

void Win32Host::ApplyZOrder(HWND window, const TControl& control) {
    if (control.Parent() == nullptr) return;
    // The framework lists children bottom first; a window goes just below
    // the nearest windowed sibling listed after it, or on top.
    const auto& siblings = control.Parent()->Children();
    HWND above = HWND_TOP;
    bool found = false;
    for (const TControl* sibling : siblings) {
        if (sibling == &control) {
            found = true;
            continue;
        }
        if (found && !sibling->IsWindowless() && WindowOf(*sibling) != nullptr) {
            above = WindowOf(*sibling);
            break;
        }
    }
    SetWindowPos(window, above, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

void Win32Host::UpdateFormWindow(HWND window, TForm& form, ChangeSet changes) {
    if ((changes & kChangeAppearance) != 0) {
        const FrameStyle frame = FrameStyleOf(form);
        const LONG keep = GetWindowLongW(window, GWL_STYLE) & (WS_VISIBLE | WS_DISABLED);
        SetWindowLongW(window, GWL_STYLE, static_cast<LONG>(frame.style) | keep);
        SetWindowLongW(window, GWL_EXSTYLE, static_cast<LONG>(frame.exStyle));
        const HWND order = (frame.exStyle & WS_EX_TOPMOST) != 0 ? HWND_TOPMOST : HWND_NOTOPMOST;
        SetWindowPos(window, order, 0, 0, 0, 0,
                     SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE | SWP_FRAMECHANGED);
    }
    if ((changes & kChangeBounds) != 0) {
        SetWindowPos(window, nullptr, form.Left(), form.Top(), form.Width(), form.Height(),
                     SWP_NOZORDER | SWP_NOACTIVATE);
    }
    if ((changes & kChangeVisible) != 0) {
        // A form that is shown becomes the active window and gets the keys.
        ShowWindow(window, form.Visible() ? SW_SHOW : SW_HIDE);
        if (form.Visible()) SetForegroundWindow(window);
    }
}

void Win32Host::UpdateContainerWindow(HWND window, TControl& control, ChangeSet changes) {
    if (auto* form = dynamic_cast<TForm*>(&control)) {
        UpdateFormWindow(window, *form, changes);
    } else {
        if ((changes & kChangeBounds) != 0) {
            MoveWindow(window, control.Left(), control.Top(), control.Width(), control.Height(),
                       TRUE);
        }
        if ((changes & kChangeVisible) != 0) {
            ShowWindow(window, control.Visible() ? SW_SHOWNA : SW_HIDE);
        }
    }
    if ((changes & kChangeEnabled) != 0) EnableWindow(window, control.Enabled() ? TRUE : FALSE);
    if (control.Kind() == ControlKind::PageControl) {
        if ((changes & kChangeActivePage) != 0) UpdatePageControlText(window, control);
    } else if ((changes & (kChangeText | kChangeFont)) != 0) {
        SetWindowTextForFont(window, control.Caption(), control.Font().Charset());
    }
    if ((changes & (kChangeColor | kChangeFont | kChangeText | kChangeAppearance)) != 0) {
        InvalidateRect(window, nullptr, FALSE);
    }
}

void Win32Host::PropertiesChanged(TControl& control, ChangeSet changes) {
    HWND window = WindowOf(control);
    if (control.IsWindowless()) {
        RepaintWindowless(control);
        if (window != nullptr) UpdateShadow(window, control, changes);
        return;
    }
    if (window == nullptr) return;
    if (IsContainer(control.Kind())) {
        UpdateContainerWindow(window, control, changes);
    } else {
        UpdateNativeControl(window, control, changes, fonts_);
    }
    if ((changes & kChangeZOrder) != 0 && control.Kind() != ControlKind::Form) {
        ApplyZOrder(window, control);
    }
}

void Win32Host::Invalidate(TControl& control) {
    if (control.IsWindowless()) {
        RepaintWindowless(control);
        return;
    }
    if (HWND window = WindowOf(control)) InvalidateRect(window, nullptr, FALSE);
}

void Win32Host::Update(TControl& control) {
    HWND window = WindowOf(control);
    if (control.IsWindowless()) {
        auto placed = windowless_.find(&control);
        window = placed != windowless_.end() ? placed->second.surface : nullptr;
    }
    if (window != nullptr) UpdateWindow(window);
}

void Win32Host::SetFocus(TControl& control) {
    if (HWND window = WindowOf(control); window != nullptr && !control.IsWindowless()) {
        ::SetFocus(window);
    }
}

TControl* Win32Host::FocusedControl(TForm& form) {
    TControl* focused = ControlOf(GetFocus());
    if (focused == nullptr || focused == &form || focused->ParentForm() != &form) return nullptr;
    return focused;
}

void Win32Host::FrameExtent(const TForm& form, int& extraWidth, int& extraHeight) {
    FrameExtentOf(form, extraWidth, extraHeight);
}

void Win32Host::EnableSystemClose(TForm& form, bool enabled) {
    HWND window = WindowOf(form);
    if (window == nullptr) return;
    EnableMenuItem(GetSystemMenu(window, FALSE), SC_CLOSE,
                   MF_BYCOMMAND | (enabled ? MF_ENABLED : MF_GRAYED));
    // The caption's close box follows the menu item once the frame redraws.
    SetWindowPos(window, nullptr, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
}

void Win32Host::CloseForm(TForm& form) {
    if (HWND window = WindowOf(form)) ShowWindow(window, SW_HIDE);
}

void Win32Host::StartTimer(TTimer& timer, unsigned intervalMs) {
    UINT_PTR id = 0;
    for (const auto& entry : timers_) {
        if (entry.second == &timer) id = entry.first;
    }
    if (id == 0) id = nextTimerId_++;
    // The timers' window is made for the first timer: most pages have none.
    if (appWindow_ == nullptr) appWindow_ = CreateAppWindow(instance_);
    // Setting an existing timer again restarts it with the new interval.
    if (SetTimer(appWindow_, id, intervalMs, nullptr) != 0) timers_[id] = &timer;
}

void Win32Host::StopTimer(TTimer& timer) {
    for (auto entry = timers_.begin(); entry != timers_.end(); ++entry) {
        if (entry->second == &timer) {
            KillTimer(appWindow_, entry->first);
            timers_.erase(entry);
            return;
        }
    }
}

void Win32Host::TimerFired(UINT_PTR id) {
    auto found = timers_.find(id);
    if (found != timers_.end()) events::TimerTick(*found->second);
}

void Win32Host::Dispatch(MSG& message) {
    if (PreviewKey(message)) return;
    TranslateMessage(&message);
    DispatchMessageA(&message);
}

void Win32Host::RunMessageLoop() {
    while (!terminated_) {
        MSG message = {};
        const BOOL got = GetMessageA(&message, nullptr, 0, 0);
        if (got == 0 || got == -1) {
            terminated_ = true;
            break;
        }
        RunGuarded([&] { Dispatch(message); });
    }
}

void Win32Host::ProcessMessages() {
    MSG message = {};
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (message.message == WM_QUIT) {
            terminated_ = true;
            break;
        }
        RunGuarded([&] { Dispatch(message); });
    }
}

void Win32Host::Terminate() {
    if (terminated_) return;
    terminated_ = true;
    // Wakes a GetMessage that waits for input.
    PostQuitMessage(0);
}

void Win32Host::ShowException(const std::string& message, const std::string& title) {
    HWND owner = nullptr;
    if (TApplication* application = Application(); application && application->MainForm()) {
        HWND form = WindowOf(*application->MainForm());
        if (form != nullptr && IsWindowVisible(form)) owner = form;
    }
    // Without a visible owner the box must still come above the topmost form.
    const UINT flags = MB_OK | MB_ICONERROR | (owner == nullptr ? MB_TOPMOST : 0u);
    MessageBoxA(owner, message.c_str(), title.empty() ? nullptr : title.c_str(), flags);
}

}  // namespace tavrik::vcl::win32
