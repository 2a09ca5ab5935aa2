#include "localisation/DictionaryChoice.h"

#include "config/IniFile.h"
#include "config/Registry.h"
#include "config/StartDirectory.h"
#include "platform/Machine.h"
#include "trace/TraceLog.h"
#include "util/DictionaryNames.h"

namespace tavrik {

namespace {

constexpr std::size_t kReferenceLength = 17;

// The file is opened for reading and updating as the installed tree expects;
// a read-only copy (restored from a CD, say) is still read.
bool ReadReference(const std::string& path, std::string& reference) {
    auto& machine = platform::CurrentMachine();
    platform::Handle file = machine.OpenFile(path, platform::FileAccess::ReadWrite,
                                             platform::FileCreation::OpenExisting);
    if (file == platform::kNoHandle) {
        file = machine.OpenFile(path, platform::FileAccess::Read,
                                platform::FileCreation::OpenExisting);
    }
    if (file == platform::kNoHandle) {
        return false;
    }
    char buffer[kReferenceLength];
    const std::int64_t read = machine.ReadFile(file, buffer, sizeof buffer);
    machine.CloseFile(file);
    if (read < 0) {
        return false;
    }
    reference.assign(buffer, static_cast<std::size_t>(read));
    // Text mode: the first NUL or Ctrl-Z ends the text.
    const std::string::size_type end = reference.find_first_of(std::string("\0\x1a", 2));
    if (end != std::string::npos) {
        reference.resize(end);
    }
    return true;
}

char Upper(char c) { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c; }

bool EqualsIgnoringCase(const std::string& text, const char* expected) {
    std::string upper;
    for (const char c : text) upper += Upper(c);
    return upper == expected;
}

// "Dico=" (any case) and a dictionary file name. Anything else, such as a
// file cut short by a full disk, would name no dictionary and leave every
// page without text.
bool IsDictionaryReference(const std::string& reference) {
    return reference.size() == kReferenceLength &&
           EqualsIgnoringCase(reference.substr(0, 5), "DICO=") &&
           IsDictionaryFileName(reference.substr(5));
}

}  // namespace

std::string GetDicoTxt() {
    const std::string name = ReadIniString(StartDirectory() + "tavrik.ini", "INSTALL", "NAME", "");
    std::string pathInstall;
    ReadRegString(pathInstall, kProductKey, "PathInstall");
    const std::string dicoTxt = pathInstall + "\\APP\\" + name + "\\EXE\\DICO.TXT";

    std::string reference;
    if (platform::CurrentMachine().FileExists(dicoTxt) && ReadReference(dicoTxt, reference)) {
        if (IsDictionaryReference(reference)) {
            return reference;
        }
        AppendTraceLine("DICO.TXT ignore (\"" + reference + "\") : langue du PC");
    }
    const std::string language = platform::CurrentMachine().SystemDefaultLanguageName();
    return "DICO=THESAU" + DetectLanguageCode(language) + ".DBZ";
}

std::string DetectLanguageCode(const std::string& isoLanguageName) {
    if (isoLanguageName.empty()) {
        return "FR";  // an empty key would not name one entry of the file
    }
    const std::string code = ReadIniString(StartDirectory() + "BRENDOL\\DICO\\CodeAssOS.ini",
                                           "ASSOCIATION", isoLanguageName, "");
    return code.empty() ? "FR" : code;
}

}  // namespace tavrik
