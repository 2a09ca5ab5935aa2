// What another process can rely on to read the wizard's window: class names
// of the windows the host creates and the property that names a control.
// Screen readers use the window texts; the end-to-end probe also uses the
// names. Described in vcl/win32/README.md.
#pragma once

namespace tavrik::vcl::win32 {

// The form (top-level window). Its text is the form's caption.
constexpr char kFormClass[] = "TavrikForm";
// The page control; its text is "<ActivePageIndex> <active page name>".
constexpr char kPagesClass[] = "TavrikPages";
// A tab sheet; only the active one is visible.
constexpr char kPageClass[] = "TavrikPage";
// A group box (drawn by the host, hosts windowless children).
constexpr char kGroupClass[] = "TavrikGroup";
// The shadow of a windowless control that shows text (label, speed button):
// never painted, transparent to the mouse, with the control's bounds, its
// visibility and enabled state, and the caption as window text (Unicode).
constexpr char kTextClass[] = "TavrikText";
// Hidden application window that owns the timers.
constexpr char kAppClass[] = "TavrikApp";

// Window property on every window of a named control: a global atom whose
// name is the control's Name (GlobalGetAtomNameA reads it from any process).
constexpr char kNameProperty[] = "TavrikName";

}  // namespace tavrik::vcl::win32
