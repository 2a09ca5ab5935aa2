// The window styles of a form's frame, from its border style and icons.
#pragma once

#include "vcl/win32/Win32.h"

#include "vcl/Form.h"

namespace tavrik::vcl::win32 {

struct FrameStyle {
    DWORD style = 0;
    DWORD exStyle = 0;
};

FrameStyle FrameStyleOf(const TForm& form);

// Width and height the frame adds to the client area.
void FrameExtentOf(const TForm& form, int& extraWidth, int& extraHeight);

// The system's settings or visual style changed (caption or border sizes
// may have): frames are measured anew.
void ForgetFrameExtents();

}  // namespace tavrik::vcl::win32
