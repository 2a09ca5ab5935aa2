// The control name carried by a window (PeerProtocol.h, kNameProperty), so
// that another process can tell the wizard's windows apart.
#pragma once

#include "vcl/win32/Win32.h"

#include <string>

namespace tavrik::vcl::win32 {

// Names the window; an empty name leaves it unnamed. Renaming replaces the
// previous name.
void AttachName(HWND window, const std::string& name);
// Removes the name and releases its atom; call before the window goes.
void DetachName(HWND window);

}  // namespace tavrik::vcl::win32
