// The system cursors that stand for the framework's cursors.
#pragma once

#include "vcl/win32/Win32.h"

#include "vcl/Cursor.h"

namespace tavrik::vcl::win32 {

HCURSOR CursorHandle(TCursor cursor);

}  // namespace tavrik::vcl::win32
