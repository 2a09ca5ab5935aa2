// The library's integer conversion of a text, as the wizard's INI counts
// are read: optional blanks in front, an optional sign, decimal digits or
// hexadecimal after '$' or "0x", nothing after the number, within the
// 32-bit range.
#pragma once

#include <string>

namespace tavrik::vcl {

// The number the text spells, or the default when it spells none.
int StrToIntDef(const std::string& text, int defaultValue);

}  // namespace tavrik::vcl
