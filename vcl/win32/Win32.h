// <windows.h> for the host's files. The components name the character sets
// as wingdi.h's macros do (ANSI_CHARSET ...), so their font header must be
// read before those macros exist; every host file includes this instead of
// <windows.h> directly.
#pragma once

#include "vcl/Font.h"

#include <windows.h>
