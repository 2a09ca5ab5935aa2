#include "lx32/bench/WizardCalls.h"

#include "lx32/bench/LibraryLoader.h"

namespace tavrik::lx::bench {

namespace {
using GetPhraseFunction = const char* (*)(long);
using SetFileFunction = void (*)(const char*);
}  // namespace

std::string FetchPhrase(const std::string& library, const std::string& dictionary, long number) {
    void* handle = LoadLibraryFile(library);
    if (handle == nullptr) {
        return std::string();
    }
    auto getPhrase = reinterpret_cast<GetPhraseFunction>(FindSymbol(handle, kGetPhraseSymbol));
    auto setFile = reinterpret_cast<SetFileFunction>(FindSymbol(handle, kSetFileSymbol));
    if (setFile != nullptr) {
        setFile(dictionary.c_str());
    }
    std::string text = getPhrase != nullptr ? getPhrase(number) : "";
    FreeLibraryFile(handle);
    return text;
}

void LoadAndFree(const std::string& library) {
    void* handle = LoadLibraryFile(library);
    if (handle == nullptr) {
        return;
    }
    auto getPhrase = reinterpret_cast<GetPhraseFunction>(FindSymbol(handle, kGetPhraseSymbol));
    FindSymbol(handle, kSetFileSymbol);
    if (getPhrase != nullptr) {
        getPhrase(0);
    }
    FreeLibraryFile(handle);
}

}  // namespace tavrik::lx::bench
