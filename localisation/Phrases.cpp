// Phrases and fonts from the dictionary library. The library is loaded and
// released for every call, so a change of dictionary takes effect at the
// next phrase and nothing is cached.
#include <cstring>
#include <string>

#include "app/ProgramState.h"
#include "app/Unit1.h"
#include "config/StartDirectory.h"
#include "localisation/DictionaryChoice.h"
#include "localisation/DictionaryLibrary.h"
#include "platform/Machine.h"
#include "trace/TraceLog.h"
#include "util/DictionaryNames.h"
#include "util/StringUtilities.h"

namespace tavrik {

namespace {

using SetDbzFileFullName = void (*)(const char*);
using GetDicoPhrase = const char* (*)(long);
using GetLanguageConfiguration = void (*)(const char*, char*, const int, int*);

constexpr int kFontNameBufferSize = 50;
constexpr int kDefaultCharset = 12;

// An entry point of the library, or null when it is missing or the library
// could not be loaded at all (nothing to look into then).
void* Export(platform::Handle library, const char* name) {
    if (library == platform::kNoHandle) {
        return nullptr;
    }
    return platform::CurrentMachine().LibraryEntry(library, name);
}

// By full path from the wizard's own folder: a medium without the library
// must not pick up another one from the system folders, the current folder
// or PATH. A failure is traced once, telling a missing file from one that
// would not load.
platform::Handle LoadDictionaryLibrary() {
    auto& machine = platform::CurrentMachine();
    const std::string path = machine.ProgramDirectory() + "\\" + kDictionaryLibrary;
    const platform::Handle library = machine.OpenLibrary(path);
    if (library == platform::kNoHandle && !State.DictionaryLibraryFailureTraced) {
        State.DictionaryLibraryFailureTraced = true;
        AppendTraceLine(std::string(machine.FileExists(path) ? "dictionnaire non charge : "
                                                             : "dictionnaire absent : ") +
                        path);
    }
    return library;
}

}  // namespace

std::string TMainForm::GetPhrase(long number, bool appendPeriod) {
    auto& machine = platform::CurrentMachine();
    const platform::Handle library = LoadDictionaryLibrary();
    auto getPhrase = reinterpret_cast<GetDicoPhrase>(Export(library, kGetPhraseEntry));
    auto setFile = reinterpret_cast<SetDbzFileFullName>(Export(library, kSetDbzFileEntry));
    if (setFile != nullptr) {
        const std::string path = StartDirectory() + "BRENDOL\\DICO\\" +
                                 DictionaryNameOf(State.DictionaryFileName) + ".DBZ";
        setFile(path.c_str());
    }
    std::string text;
    if (getPhrase != nullptr) {
        // Copied at once: the text belongs to the library, released below.
        const char* phrase = getPhrase(number);
        if (phrase != nullptr) {
            text = phrase;
        }
    }
    if (appendPeriod) {
        text += ". ";
    }
    if (library != platform::kNoHandle) {
        machine.CloseLibrary(library);
    }
    CapitaliseFirst(text);
    return text;
}

void TMainForm::ApplyLanguageFont(const std::string& dictionaryFile) {
    auto& machine = platform::CurrentMachine();
    const platform::Handle library = LoadDictionaryLibrary();
    auto getConfiguration =
        reinterpret_cast<GetLanguageConfiguration>(Export(library, kLanguageConfigurationEntry));
    char buffer[kFontNameBufferSize];
    std::memset(buffer, 0, sizeof buffer);
    int charset = kDefaultCharset;
    std::string fontName;
    if (getConfiguration != nullptr) {
        getConfiguration(dictionaryFile.c_str(), buffer, kFontNameBufferSize, &charset);
        buffer[kFontNameBufferSize - 1] = '\0';  // a library that fills it all
        fontName = buffer;
    }
    if (library != platform::kNoHandle) {
        machine.CloseLibrary(library);
    }
    vcl::TFont font;
    font.SetName(fontName);
    font.SetCharset(static_cast<vcl::TFontCharset>(charset & 0xFF));
    font.SetSize(12);
    font.SetStyle(vcl::fsBold);
    Font().Assign(font);
}

std::string TMainForm::GetDicoTxt() { return tavrik::GetDicoTxt(); }

}  // namespace tavrik
