// The system's common controls library (up-down, progress bar), loaded when
// the first of its controls is made rather than with the program: the first
// page has none, and loading it is a noticeable part of a start.
#pragma once

namespace tavrik::vcl::win32 {

void EnsureCommonControls();

}  // namespace tavrik::vcl::win32
