// Loads and frees a shared library the way the wizard does for every phrase:
// dlopen/dlsym/dlclose natively, LoadLibraryA/GetProcAddress/FreeLibrary on
// Windows.
#pragma once

#include <string>

namespace tavrik::lx::bench {

// The entry points' names as this system's library exports them.
extern const char* const kGetPhraseSymbol;
extern const char* const kSetFileSymbol;

void* LoadLibraryFile(const std::string& path);
void* FindSymbol(void* library, const char* name);
void FreeLibraryFile(void* library);
// True when the library is still in the process after being freed: its
// figures would then not include loading it.
bool StaysLoaded(const std::string& path);

}  // namespace tavrik::lx::bench
