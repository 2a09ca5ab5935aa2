// The boundary between the portable components and whatever shows them.
//
// The components (vcl/*.h) keep every property themselves; a host gives them
// a face: the Win32 host (vcl/win32) creates real windows and paints, the
// headless host (vcl/headless) records what it is told so that tests can
// drive the components without a window. Components call the host through
// `Host`; the host calls back through the functions of `namespace events`
// below, never through component internals, so that every call the framework
// makes into application code is wrapped the same way (an exception escaping
// a handler is shown by Application::ShowException and the program goes on).
//
// Rules both hosts rely on:
// - Every control gets a peer: CreatePeer is called parent first, once the
//   form's peer is asked for (Application shows the form) or, later, as soon
//   as a control is placed in a parent that already has one. DestroyPeer is
//   called children first. A control that moves to another parent has its
//   peer destroyed and created again, so a host never sees a re-parenting.
// - Windowless controls (Label, Image, Shape, SpeedButton; TControl::
//   IsWindowless()) also get CreatePeer/DestroyPeer/PropertiesChanged calls;
//   the host paints them on their parent's surface in the parent's z-order
//   (TControl::Parent()->Children(), first = bottom) from their properties.
// - PropertiesChanged is only called while a peer exists; CreatePeer must
//   read every property the host cares about. The host repaints whatever a
//   PropertiesChanged call affects (a windowless control's old and new
//   rectangle on its parent for kChangeBounds, kChangeVisible and
//   kChangeZOrder); components call Invalidate only to ask for a repaint
//   without a property change.
// - DestroyPeer may be called from the control's destructor: the host may
//   use only the control's identity and Peer() there.
// - Coordinates: Left/Top relative to the parent's client area, pixels.
#pragma once

#include <cstdint>
#include <string>

namespace tavrik::vcl {

class TControl;
class TForm;
class TTimer;
class TScrollBar;
class TUpDown;
class TListBox;

// The native peer of a control, as the host chooses to identify it
// (an HWND for the Win32 host). Zero is "no peer".
using PeerId = std::uintptr_t;

// Which group of properties changed; a host re-reads the whole group.
enum Change : std::uint32_t {
    kChangeBounds = 1u << 0,       // Left, Top, Width, Height (forms: also ClientWidth/Height)
    kChangeVisible = 1u << 1,      // Visible
    kChangeEnabled = 1u << 2,      // Enabled
    kChangeText = 1u << 3,         // Caption / Text
    kChangeFont = 1u << 4,         // Font (the effective one, after ParentFont)
    kChangeColor = 1u << 5,        // Color, Shape brush/pen
    kChangePicture = 1u << 6,      // Image picture, SpeedButton glyph
    kChangeItems = 1u << 7,        // ListBox items, Memo lines
    kChangeSelection = 1u << 8,    // ListBox ItemIndex / Selected[]
    kChangePosition = 1u << 9,     // ScrollBar/UpDown/ProgressBar Position
    kChangeRange = 1u << 10,       // Min, Max, PageSize, Step, SmallChange, LargeChange, Wrap
    kChangeChecked = 1u << 11,     // RadioButton Checked
    kChangeCursor = 1u << 12,      // Cursor
    kChangeZOrder = 1u << 13,      // order among the parent's children
    kChangeAppearance = 1u << 14,  // anything else that only affects drawing or style:
                                   // Alignment, Layout, WordWrap, Transparent, Stretch,
                                   // Flat, Margin, ReadOnly, ScrollBars, Smooth,
                                   // BorderStyle, BorderIcons, FormStyle, ItemHeight ...
    kChangeActivePage = 1u << 15,  // PageControl: ActivePageIndex
};
using ChangeSet = std::uint32_t;

// Shift state of a key or mouse event (the framework's TShiftState as bits).
enum Shift : std::uint8_t {
    kShiftShift = 1u << 0,
    kShiftAlt = 1u << 1,
    kShiftCtrl = 1u << 2,
    kShiftLeft = 1u << 3,
    kShiftRight = 1u << 4,
    kShiftMiddle = 1u << 5,
    kShiftDouble = 1u << 6,
};
using ShiftState = std::uint8_t;

// Scroll bar actions, numbered as the framework's TScrollCode
// (scLineUp .. scEndScroll); the Win32 SB_* codes map one to one.
enum class ScrollCode {
    LineUp = 0,
    LineDown = 1,
    PageUp = 2,
    PageDown = 3,
    Position = 4,  // thumb released at a position
    Track = 5,     // thumb being dragged
    Top = 6,
    Bottom = 7,
    EndScroll = 8,
};

// The arrow of an up-down control that was pressed (TUDBtnType).
enum class UpDownButton { Next = 0, Previous = 1 };  // Next = up, counts up

class Host {
public:
    virtual ~Host() = default;

    // --- Peers.
    // Creates the native face of a control whose parent (if any) already has
    // one; the control's kind is TControl::Kind(). Returns the peer, which the
    // control keeps (TControl::Peer()); may return 0 for a windowless control
    // the host paints on its parent.
    virtual PeerId CreatePeer(TControl& control) = 0;
    virtual void DestroyPeer(TControl& control) = 0;
    // One or more property groups of a control with a peer changed.
    virtual void PropertiesChanged(TControl& control, ChangeSet changes) = 0;

    // --- Painting and focus.
    // Marks the control's area (windowless: its rectangle on the parent) for
    // repainting at the next paint.
    virtual void Invalidate(TControl& control) = 0;
    // Repaints whatever is invalid in the control now (TControl::Repaint =
    // Invalidate + Update).
    virtual void Update(TControl& control) = 0;
    // Gives the keyboard focus to a windowed control.
    virtual void SetFocus(TControl& control) = 0;
    // The control that has the keyboard focus within a form, or nullptr.
    virtual TControl* FocusedControl(TForm& form) = 0;

    // --- Forms.
    // Width and height that the window frame (border and caption) adds to a
    // form's client area for its current BorderStyle/BorderIcons.
    virtual void FrameExtent(const TForm& form, int& extraWidth, int& extraHeight) = 0;
    // Greys (or enables again) the Close command of the form's system menu
    // and so the title bar's close box.
    virtual void EnableSystemClose(TForm& form, bool enabled) = 0;
    // The form was closed: hide its window. The application has been told to
    // terminate when the form is the main form.
    virtual void CloseForm(TForm& form) = 0;

    // --- Timers. The host calls events::TimerTick(timer) every intervalMs
    // while started. Starting a started timer restarts it with the new
    // interval.
    virtual void StartTimer(TTimer& timer, unsigned intervalMs) = 0;
    virtual void StopTimer(TTimer& timer) = 0;

    // --- Message loop.
    // Runs until Terminate() has been called (returns at once if it already
    // was). Every message dispatched into components goes through events::.
    virtual void RunMessageLoop() = 0;
    // Handles every message waiting now, then returns.
    virtual void ProcessMessages() = 0;
    // Makes RunMessageLoop return once the current handler has returned.
    virtual void Terminate() = 0;

    // --- The framework's standard exception display: a modal error box with
    // the message and the application title. Returns when dismissed.
    virtual void ShowException(const std::string& message, const std::string& title) = 0;
};

// The host the components use. The program sets it before it creates the
// application object; a test sets a headless host first.
Host& CurrentHost();
void SetCurrentHost(Host* host);
bool HasHost();

// Calls from a host into the components. Each call runs the component's
// rules and its application handlers; any std::exception a handler lets
// escape is caught here and shown (Application::ShowException), so a host
// never sees one.
namespace events {

// A mouse click on a control (mouse released over it): SpeedButton, Label,
// Image, Shape, RadioButton (checks it), GroupBox, TabSheet, Form ... Fires
// OnClick only when the control and all its parents are visible and
// enabled.
void Click(TControl& control);

// A key went down while `focused` (or the form itself when nullptr) had the
// focus. With KeyPreview, the form's OnKeyDown runs first, then the focused
// control's own. A handler may set key to 0: the host then drops the key.
void KeyDown(TForm& form, TControl* focused, std::uint16_t& key, ShiftState shift);
// Same for a character (WM_CHAR): form's OnKeyPress first with KeyPreview.
void KeyPress(TForm& form, TControl* focused, char& key);

// The user acted on a scroll bar; `thumbPosition` is meaningful for
// ScrollCode::Position and ScrollCode::Track. The component computes the new
// position, fires OnScroll (which may change it), takes it, informs the host
// (kChangePosition) and fires OnChange when it changed.
void Scroll(TScrollBar& bar, ScrollCode code, int thumbPosition);

// An arrow of an up-down control was pressed: OnChanging(allow) first, then
// (when allowed) the position moves by one within Min..Max (Wrap), the host
// is told (kChangePosition) and OnClick(button) fires.
void UpDownClick(TUpDown& upDown, UpDownButton button);

// The user selected an item of a list box (-1: none).
void ListBoxSelect(TListBox& listBox, int index);

// A timer's interval elapsed: fires OnTimer.
void TimerTick(TTimer& timer);

}  // namespace events

}  // namespace tavrik::vcl
