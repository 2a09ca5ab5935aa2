// The dictionary library on the in-memory machine, under the file name and
// the decorated entry names the wizard asks for (localisation/
// DictionaryLibrary.h): a table of functions, or the native build's shared
// object, whose ELF names cannot hold the decoration.
#pragma once

#include <optional>
#include <string>

#include "platform/fake/FakeMachine.h"

namespace tavrik::onmachine {

// The three entry points, as the wizard calls them.
struct DictionaryEntries {
    void (*setFile)(const char* fullPath) = nullptr;
    const char* (*getPhrase)(long number) = nullptr;
    void (*getConfiguration)(const char* file, char* fontName, int size, int* charset) = nullptr;
};

void AddDictionaryLibrary(platform::FakeMachine& machine, const DictionaryEntries& entries);

// Loaded afresh at each load of the wizard's, as the DLL is.
void AddNativeDictionaryLibrary(platform::FakeMachine& machine, const std::string& sharedObject);

// The entry points of a native library the caller opened (dlopen); nothing
// when one is missing.
std::optional<DictionaryEntries> NativeDictionaryEntries(void* sharedObject);

}  // namespace tavrik::onmachine
