#pragma once

namespace tavrik {

// The text of Unit1.dfm, built into the program.
extern const char* const kUnit1Description;

}  // namespace tavrik
