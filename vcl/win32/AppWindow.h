// The hidden application window: it receives the timers' ticks.
#pragma once

#include "vcl/win32/Win32.h"

namespace tavrik::vcl::win32 {

HWND CreateAppWindow(HINSTANCE instance);

}  // namespace tavrik::vcl::win32
