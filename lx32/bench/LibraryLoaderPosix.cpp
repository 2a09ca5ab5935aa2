#include <dlfcn.h>

#include "lx32/bench/LibraryLoader.h"

namespace tavrik::lx::bench {

const char* const kGetPhraseSymbol = "LX_API_GetDicoPhrase";
const char* const kSetFileSymbol = "LX_API_SetDBZFileFullName";

void* LoadLibraryFile(const std::string& path) { return dlopen(path.c_str(), RTLD_NOW); }

void* FindSymbol(void* library, const char* name) { return dlsym(library, name); }

void FreeLibraryFile(void* library) { dlclose(library); }

bool StaysLoaded(const std::string& path) {
    void* library = dlopen(path.c_str(), RTLD_NOW | RTLD_NOLOAD);
    if (library != nullptr) {
        dlclose(library);
    }
    return library != nullptr;
}

}  // namespace tavrik::lx::bench
