#include <windows.h>

#include "lx32/bench/LibraryLoader.h"

namespace tavrik::lx::bench {

const char* const kGetPhraseSymbol = "@LX_API_GetDicoPhrase$ql";
const char* const kSetFileSymbol = "@LX_API_SetDBZFileFullName$qpxc";

void* LoadLibraryFile(const std::string& path) {
    return reinterpret_cast<void*>(::LoadLibraryA(path.c_str()));
}

void* FindSymbol(void* library, const char* name) {
    return reinterpret_cast<void*>(::GetProcAddress(static_cast<HMODULE>(library), name));
}

void FreeLibraryFile(void* library) { ::FreeLibrary(static_cast<HMODULE>(library)); }

bool StaysLoaded(const std::string& path) { return ::GetModuleHandleA(path.c_str()) != nullptr; }

}  // namespace tavrik::lx::bench
