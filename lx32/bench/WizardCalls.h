// One phrase as the wizard fetches it, and the same steps on an empty
// library as the floor to compare it with.
#pragma once

#include <string>

namespace tavrik::lx::bench {

// Load, look up both entry points, name the file, look up the phrase, copy
// it, free the library.
std::string FetchPhrase(const std::string& library, const std::string& dictionary, long number);

// Load the library, look up two names, call one, free it.
void LoadAndFree(const std::string& library);

}  // namespace tavrik::lx::bench
