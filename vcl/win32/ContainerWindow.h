// Windows of our own classes for the controls that hold others: the form,
// the page control, tab sheets and group boxes. They paint their windowless
// children, route mouse input to them, set the cursor and pass the
// notifications of their system controls to the components.
#pragma once

#include "vcl/win32/Win32.h"

#include "vcl/Control.h"

namespace tavrik::vcl::win32 {

void RegisterContainerClasses(HINSTANCE instance);

// Creates the window of a form (parent null), page control, tab sheet or
// group box, named after the control.
HWND CreateContainer(HINSTANCE instance, TControl& control, HWND parent);

// The page control's window text: "<ActivePageIndex> <active page name>".
void UpdatePageControlText(HWND window, const TControl& pageControl);

}  // namespace tavrik::vcl::win32
