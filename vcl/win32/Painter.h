// Painting of a container window: its own face (background, group frame,
// page frame) and its windowless children in z-order, bottom first, into
// the back buffer, then one copy to the screen around the child windows.
#pragma once

#include "vcl/win32/Win32.h"

#include "vcl/Control.h"

namespace tavrik::vcl::win32 {

void PaintContainer(HWND window, TWinControl& container);

}  // namespace tavrik::vcl::win32
