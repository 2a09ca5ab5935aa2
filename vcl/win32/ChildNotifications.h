// What the system controls tell their parent window: clicks, selection,
// arrows, scrolling, and the colours to paint them with. Passed on to the
// components through vcl::events.
#pragma once

#include "vcl/win32/Win32.h"

namespace tavrik::vcl::win32 {

// True when the message was a notification of one of our controls.
bool HandleChildNotification(HWND parent, UINT message, WPARAM wParam, LPARAM lParam,
                             LRESULT& result);

}  // namespace tavrik::vcl::win32
