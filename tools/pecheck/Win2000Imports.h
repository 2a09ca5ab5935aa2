// The list of win2000-imports.txt, built into the programs that check an
// image without the source tree at hand (the medium checker).
#pragma once

namespace tavrik::pecheck {

extern const char* const kWin2000Imports;

}  // namespace tavrik::pecheck
