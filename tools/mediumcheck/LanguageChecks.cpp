#include <algorithm>
#include <optional>
#include <string>
#include <vector>

#include "Checks.h"
#include "MediumFiles.h"
#include "PictureFile.h"
#include "config/InstallSwitches.h"
#include "install/LicenceFile.h"
#include "localisation/DictionaryChoice.h"
#include "localisation/FlagFiles.h"
#include "localisation/PhraseNumbers.h"
#include "lx32/ByteSource.h"
#include "lx32/DbzReader.h"
#include "util/DictionaryNames.h"

namespace tavrik::mediumcheck {

namespace {

const std::string kFolder = "BRENDOL\\DICO\\";

bool Contains(const std::vector<std::string>& names, const std::string& name) {
    return std::any_of(names.begin(), names.end(),
                       [&](const std::string& n) { return SameName(n, name); });
}

// The flags the language page shows (the first 30 bitmaps), each with a
// dictionary of its name, all of the size of the last one, for which the
// page lays the grid out.
void CheckFlags(Findings& findings, const std::vector<std::string>& dictionaries) {
    const std::vector<std::string> bitmaps = MediumFiles(kFolder, "*.bmp");
    if (bitmaps.empty()) {
        findings.Error(Shown(kFolder), "", "",
                       "no flag (*.bmp): the language page offers no language");
        return;
    }
    if (static_cast<int>(bitmaps.size()) > kMaxFlags) {
        findings.Warning(
            Shown(kFolder), "", "",
            std::to_string(bitmaps.size()) + " flags: the language page shows the first " +
                std::to_string(kMaxFlags) + ", from " + bitmaps[kMaxFlags] + " on none");
    }
    const std::vector<std::string> shownFlags(
        bitmaps.begin(),
        bitmaps.begin() + std::min<long>(static_cast<long>(bitmaps.size()), kMaxFlags));
    std::vector<std::optional<PictureSize>> sizes;
    for (const std::string& flag : shownFlags) {
        const std::string file = kFolder + flag;
        PictureSize size;
        std::string reason;
        sizes.emplace_back();
        if (!LoadPicture(file, size, reason)) {
            findings.Error(Shown(file), "", "",
                           "not a BMP picture the wizard reads (" + reason +
                               "): the language page shows an error box");
        } else {
            sizes.back() = size;
        }
        const std::string dictionary = DictionaryFileOf(flag);
        if (DictionaryNameOf(flag).empty()) {
            findings.Error(Shown(file), "", "",
                           "the name is not THESAUxx.bmp: it names no dictionary, choosing it "
                           "shows empty texts");
        } else if (!Contains(dictionaries, dictionary)) {
            findings.Error(
                Shown(file), "", "",
                "no dictionary " + dictionary + ": choosing this flag shows empty texts");
        }
    }
    if (const auto gridSize = sizes.back()) {
        for (std::size_t i = 0; i + 1 < sizes.size(); ++i) {
            if (sizes[i] && *sizes[i] != *gridSize) {
                findings.Warning(Shown(kFolder + shownFlags[i]), "", "",
                                 SizeText(*sizes[i]) + ": the flags' grid is laid out for " +
                                     shownFlags.back() + "'s " + SizeText(*gridSize));
            }
        }
    }
    for (const std::string& dictionary : dictionaries) {
        const std::string flag = DictionaryNameOf(dictionary) + ".bmp";
        if (!Contains(shownFlags, flag)) {
            findings.Warning(
                Shown(kFolder + dictionary), "", "",
                "no flag " + flag + " on the language page: this language cannot be chosen");
        }
    }
}

int CountStars(const std::string& text) {
    return static_cast<int>(std::count(text.begin(), text.end(), '*'));
}

// Each dictionary read by the library's own reader, holding every phrase
// a page can show.
void CheckDictionary(Findings& findings, const std::string& name) {
    const std::string file = kFolder + name;
    std::string bytes;
    if (!ReadMediumFile(file, bytes)) {
        findings.Error(Shown(file), "", "", "cannot be read: its language shows empty texts");
        return;
    }
    const lx::MemoryByteSource source(bytes.data(), bytes.size());
    const auto dictionary = lx::DbzDictionary::Open(source);
    if (!dictionary) {
        findings.Error(Shown(file), "", "",
                       "not a dictionary the library reads: its language shows empty texts");
        return;
    }
    for (const long number : phrase::kShownPhrases) {
        std::string text;
        if (!dictionary->FindPhrase(static_cast<std::uint32_t>(number), text)) {
            findings.Error(Shown(file), "", std::to_string(number),
                           "phrase missing: the page that shows it has an empty text");
        } else if (text.empty()) {
            findings.Error(Shown(file), "", std::to_string(number),
                           "phrase empty: the page that shows it has an empty text");
        } else if (number == phrase::kDisconnectProduct && CountStars(text) != 1) {
            findings.Error(Shown(file), "", std::to_string(number),
                           "holds " + std::to_string(CountStars(text)) +
                               " '*', not one: the product name is not shown in its place");
        }
    }
}

// System language -> dictionary code; a code whose dictionary is missing
// starts the wizard with empty texts on PCs of that language.
void CheckLanguageTable(Findings& findings, const std::vector<std::string>& dictionaries) {
    const std::string table = kFolder + "CodeAssOS.ini";
    if (!MediumFileExists(table)) {
        findings.Warning(Shown(table), "", "", "missing: every PC starts in French (FR)");
    }
    for (const std::string& language : IniKeys(table, "ASSOCIATION")) {
        const std::string dictionary =
            DictionaryFileOf("THESAU" + DetectLanguageCode(language) + ".");
        if (!Contains(dictionaries, dictionary)) {
            findings.Error(Shown(table), "ASSOCIATION", language,
                           "'" + IniValue(table, "ASSOCIATION", language) +
                               "' names no dictionary (" + dictionary +
                               "): PCs of this language start with empty texts");
        }
    }
    const std::string fallback = DictionaryFileOf("THESAU" + DetectLanguageCode("") + ".");
    if (!Contains(dictionaries, fallback)) {
        findings.Error(Shown(kFolder), "", "",
                       "no " + fallback +
                           ": a PC whose language CodeAssOS.ini lacks starts with "
                           "empty texts");
    }
}

// Page 8 shows the licence of the chosen language when the application is
// installed on its own; otherwise a missing text is told, not refused.
void CheckLicences(Findings& findings, const std::vector<std::string>& dictionaries) {
    const bool shown = IsIndependentInstall();
    const Severity severity = shown ? Severity::Error : Severity::Warning;
    const std::string effect =
        shown ? "page 8 shows an empty agreement"
              : "page 8 would show an empty agreement once INDEPENDANT is TRUE";
    std::vector<std::string> checked;
    for (const std::string& dictionary : dictionaries) {
        const std::string licence = LicenceFileFor(dictionary);
        if (Contains(checked, licence)) {
            continue;
        }
        checked.push_back(licence);
        std::string text;
        if (!ReadMediumFile(licence, text)) {
            findings.Add(severity, licence, "", "",
                         "missing: " + effect + " in " + LanguageCodeOf(dictionary));
        } else if (text.find_first_not_of(" \t\r\n") == std::string::npos) {
            findings.Add(severity, licence, "", "", "empty: " + effect);
        }
    }
}

}  // namespace

void CheckLanguages(Findings& findings) {
    const std::vector<std::string> dictionaries = MediumFiles(kFolder, "*.DBZ");
    CheckFlags(findings, dictionaries);
    for (const std::string& dictionary : dictionaries) {
        CheckDictionary(findings, dictionary);
    }
    CheckLanguageTable(findings, dictionaries);
    CheckLicences(findings, dictionaries);
}

}  // namespace tavrik::mediumcheck
