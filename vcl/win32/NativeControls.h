// The system's own controls standing for list box, memo, up-down, scroll
// bar, progress bar and radio button. Their text is Unicode, converted from
// the control's bytes with its font's code page.
#pragma once

#include "vcl/win32/Win32.h"

#include "vcl/Control.h"
#include "vcl/win32/FontCache.h"

namespace tavrik::vcl::win32 {

// Creates the control's window under `parent`, named after the control.
HWND CreateNativeControl(HINSTANCE instance, TControl& control, HWND parent, FontCache& fonts);

// Brings the window up to date with the control for the changed groups.
void UpdateNativeControl(HWND window, TControl& control, ChangeSet changes, FontCache& fonts);

}  // namespace tavrik::vcl::win32
