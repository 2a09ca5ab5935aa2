// The shadow of a windowless control that shows text: a child window of the
// control's parent with the control's bounds, visibility, enabled state and
// caption, that never paints and lets the mouse through. Screen readers and
// the end-to-end probe read it like any control's window.
#pragma once

#include "vcl/win32/Win32.h"

#include "vcl/Control.h"

namespace tavrik::vcl::win32 {

void RegisterShadowClass(HINSTANCE instance);

// Creates the shadow under `parent`, below every sibling, named after the
// control.
HWND CreateShadow(HINSTANCE instance, HWND parent, const TControl& control);

// Brings the shadow up to date with the control for the changed groups.
void UpdateShadow(HWND shadow, const TControl& control, ChangeSet changes);

}  // namespace tavrik::vcl::win32
