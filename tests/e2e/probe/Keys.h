// Keys and clicks sent to the wizard as posted window messages, so that a
// test needs no X server tool to drive it.
#pragma once

#include <windows.h>

#include <string>

namespace tavrik::probe {

// "ENTER", "F1".."F12", "LEFT", "UP", "RIGHT", "DOWN", "ESCAPE", "TAB",
// "SPACE", a single letter or digit, or a code such as "0x70". 0 when the
// name is unknown.
UINT VirtualKeyFromName(const std::string& name);

// Posts key down and key up to the window that has the focus in the form's
// thread (the form when none has). The wizard's message loop translates
// them into characters as it does for real key presses.
bool PostKey(HWND form, UINT virtualKey);

// Posts a left-button press and release at the centre of `target`, to the
// window a real mouse would reach: a shadow's parent (which paints the
// windowless control), otherwise the target itself. False for a disabled
// native control, which a real click would not reach.
bool PostClick(HWND target, bool isShadow);

}  // namespace tavrik::probe
