// The Win32 host: gives the components real windows (vcl/Host.h).
//
// Windowed controls get windows: the form, page control, tab sheets and
// group boxes are windows of our own classes that paint their windowless
// children; list box, up-down, scroll bar, progress bar, memo and radio
// buttons are the system's controls. Windowless controls are painted by
// their parent; those that show text also get a shadow window so that other
// processes can read them (PeerProtocol.h).
#pragma once

#include "vcl/win32/Win32.h"

#include <map>
#include <unordered_map>

#include "vcl/Control.h"
#include "vcl/Host.h"
#include "vcl/win32/BackBuffer.h"
#include "vcl/win32/FontCache.h"
#include "vcl/win32/GdiColors.h"
#include "vcl/win32/MouseTracker.h"

namespace tavrik::vcl {
class TTimer;
}

namespace tavrik::vcl::win32 {

class Win32Host : public Host {
public:
    // Registers the window classes, loads the common controls and creates
    // the hidden application window that runs the timers. One per process.
    explicit Win32Host(HINSTANCE instance);
    ~Win32Host() override;
    Win32Host(const Win32Host&) = delete;
    Win32Host& operator=(const Win32Host&) = delete;

    // The host of this process (window procedures reach it here).
    static Win32Host& Instance();

    PeerId CreatePeer(TControl& control) override;
    void DestroyPeer(TControl& control) override;
    void PropertiesChanged(TControl& control, ChangeSet changes) override;
    void Invalidate(TControl& control) override;
    void Update(TControl& control) override;
    void SetFocus(TControl& control) override;
    TControl* FocusedControl(TForm& form) override;
    void FrameExtent(const TForm& form, int& extraWidth, int& extraHeight) override;
    void EnableSystemClose(TForm& form, bool enabled) override;
    void CloseForm(TForm& form) override;
    void StartTimer(TTimer& timer, unsigned intervalMs) override;
    void StopTimer(TTimer& timer) override;
    void RunMessageLoop() override;
    void ProcessMessages() override;
    void Terminate() override;
    void ShowException(const std::string& message, const std::string& title) override;

    // --- For the window procedures.
    // The control a window of this host belongs to, or nullptr.
    TControl* ControlOf(HWND window) const;
    FontCache& Fonts() { return fonts_; }
    BrushCache& Brushes() { return brushes_; }
    BackBuffer& Buffer() { return buffer_; }
    MouseTracker& Mouse() { return mouse_; }
    void TimerFired(UINT_PTR id);

private:
    // Where a windowless control shows: the window it is painted on and
    // the rectangle it covered when last told about.
    struct Placement {
        HWND surface = nullptr;
        RECT rect = {};
    };

    static HWND WindowOf(const TControl& control);
    void Register(HWND window, TControl& control);
    // Repaints where a windowless control was and where it is now.
    void RepaintWindowless(TControl& control);
    void UpdateContainerWindow(HWND window, TControl& control, ChangeSet changes);
    void UpdateFormWindow(HWND window, TForm& form, ChangeSet changes);
    // Puts a windowed control's window in its place among its siblings.
    void ApplyZOrder(HWND window, const TControl& control);
    // Handles one message from the queue, with key preview.
    void Dispatch(MSG& message);

    HINSTANCE instance_;
    HWND appWindow_ = nullptr;
    FontCache fonts_;
    BrushCache brushes_;
    BackBuffer buffer_;
    MouseTracker mouse_;
    std::unordered_map<HWND, TControl*> controls_;
    std::unordered_map<const TControl*, Placement> windowless_;
    std::map<UINT_PTR, TTimer*> timers_;
    UINT_PTR nextTimerId_ = 1;
    bool terminated_ = false;
};

}  // namespace tavrik::vcl::win32
