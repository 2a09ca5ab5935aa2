#include "DictionaryOnMachine.h"

#include <dlfcn.h>

#include <map>

#include "localisation/DictionaryLibrary.h"

namespace tavrik::onmachine {

namespace {

// The name a native build exports an entry under: the decorated name
// without its leading '@' and its argument code from '$' on.
std::string PlainName(const std::string& decorated) {
    const std::string bare = decorated.rfind('@', 0) == 0 ? decorated.substr(1) : decorated;
    return bare.substr(0, bare.find('$'));
}

}  // namespace

void AddDictionaryLibrary(platform::FakeMachine& machine, const DictionaryEntries& entries) {
    machine.AddLibrary(
        kDictionaryLibrary,
        {{kSetDbzFileEntry, reinterpret_cast<void*>(entries.setFile)},
         {kGetPhraseEntry, reinterpret_cast<void*>(entries.getPhrase)},
         {kLanguageConfigurationEntry, reinterpret_cast<void*>(entries.getConfiguration)}});
}

void AddNativeDictionaryLibrary(platform::FakeMachine& machine, const std::string& sharedObject) {
    std::map<std::string, std::string> plainNames;
    for (const char* entry : kDictionaryEntries) plainNames[entry] = PlainName(entry);
    machine.AddNativeLibrary(kDictionaryLibrary, sharedObject, std::move(plainNames));
}

std::optional<DictionaryEntries> NativeDictionaryEntries(void* sharedObject) {
    const auto find = [sharedObject](const char* entry) {
        return dlsym(sharedObject, PlainName(entry).c_str());
    };
    DictionaryEntries entries;
    entries.setFile = reinterpret_cast<decltype(entries.setFile)>(find(kSetDbzFileEntry));
    entries.getPhrase = reinterpret_cast<decltype(entries.getPhrase)>(find(kGetPhraseEntry));
    entries.getConfiguration =
        reinterpret_cast<decltype(entries.getConfiguration)>(find(kLanguageConfigurationEntry));
    if (entries.setFile == nullptr || entries.getPhrase == nullptr ||
        entries.getConfiguration == nullptr) {
        return std::nullopt;
    }
    return entries;
}

}  // namespace tavrik::onmachine
