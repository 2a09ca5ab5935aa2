// The dictionary library as the wizard loads it from its own folder, by full
// path (never found by a search): its file name and the decorated names of
// the three entry points it calls.
#pragma once

namespace tavrik {

constexpr const char* kDictionaryLibrary = "lx32.dll";
constexpr const char* kSetDbzFileEntry = "@LX_API_SetDBZFileFullName$qpxc";
constexpr const char* kGetPhraseEntry = "@LX_API_GetDicoPhrase$ql";
constexpr const char* kLanguageConfigurationEntry = "@LX_API_getLanguageConfiguration$qpxcpcxipi";
constexpr const char* kDictionaryEntries[] = {kSetDbzFileEntry, kGetPhraseEntry,
                                              kLanguageConfigurationEntry};

}  // namespace tavrik
