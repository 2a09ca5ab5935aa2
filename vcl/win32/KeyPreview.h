// Key preview: a key taken from the queue goes to the form's handlers
// before the focused control sees it, as the framework does with
// KeyPreview. Runs in the message loop, before TranslateMessage.
#pragma once

#include "vcl/win32/Win32.h"

namespace tavrik::vcl::win32 {

// Gives a key message (WM_KEYDOWN, WM_SYSKEYDOWN, WM_CHAR) for one of our
// forms to the components; the handlers may change the key in `message`.
// True when a handler dropped the key (set it to 0).
bool PreviewKey(MSG& message);

}  // namespace tavrik::vcl::win32
