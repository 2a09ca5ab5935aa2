// The names written in the INI files the wizard reads: sections and keys it
// never reads (with the name probably meant), names written twice, and a
// byte-order mark that hides the first section.
#include <algorithm>
#include <cctype>
#include <map>
#include <string>
#include <vector>

#include "Checks.h"
#include "IniLayout.h"
#include "MediumFiles.h"
#include "NearestName.h"

namespace tavrik::mediumcheck {

namespace {

// How a section's keys are named besides its fixed ones.
enum class Numbered { None, Plain, Components, Any };

struct KnownSection {
    const char* name;
    std::vector<std::string> keys;
    Numbered numbered = Numbered::None;
};

struct KnownFile {
    std::string file;
    std::vector<KnownSection> sections;
    // The file belongs to another program too (the application's
    // applic.ini): only a name close to one the wizard reads is told.
    bool shared = false;
};

const char* const kComponentSuffixes[] = {"",         "_FORCEE",    "_FIRST_INSTALL",
                                          "_LANGUES", "_INVISIBLE", "_BLOQUANT"};

std::vector<KnownFile> KnownFiles() {
    std::vector<KnownFile> files = {
        {"tavrik.ini",
         {{"INSTALL", {"NAME"}}, {"RVS", {"SERVEUR_RVS_FLAG", "ENABLE_MAJ_CLIENT_RVS"}}}},
        {"ap.ini",
         {{"INSTALL", {"INDEPENDANT", "TITRE", "TITRE_INDEPENDANT"}},
          {"APPLICATION", {"PATH", "PATH_EXE", "EXE"}},
          {"INSTALL_COMPOSANTS", {"NB"}, Numbered::Components},
          {"DLL_TEST", {"NB"}, Numbered::Plain}}},
        {"assoAppliFenetre.ini", {{"NOM_FENETRE", {"dremox.exe"}}}},
        {"BRENDOL\\DICO\\CodeAssOS.ini", {{"ASSOCIATION", {}, Numbered::Any}}},
        {"WAIT\\wait.ini", {{"WAIT", {"NB"}, Numbered::Plain}}},
    };
    const std::string name = IniValue("tavrik.ini", "INSTALL", "NAME");
    if (!name.empty()) {
        files.push_back({name + "\\applic.ini", {{"APPLICATION", {"VSOFT"}}}, true});
    }
    return files;
}

std::string Digits(const std::string& key) {
    return key.substr(0, std::min(key.find_first_not_of("0123456789"), key.size()));
}

bool IsKnownKey(const KnownSection& section, const std::string& key) {
    for (const std::string& known : section.keys) {
        if (SameName(known, key)) return true;
    }
    const std::string digits = Digits(key);
    switch (section.numbered) {
        case Numbered::Any:
            return true;
        case Numbered::Plain:
            return !digits.empty() && digits == key;
        case Numbered::Components:
            for (const char* suffix : kComponentSuffixes) {
                if (!digits.empty() && SameName(key, digits + suffix)) return true;
            }
            return false;
        case Numbered::None:
            break;
    }
    return false;
}

// The names a mistyped key may have meant: the fixed keys, and a
// component's keys of the number it starts with.
std::vector<std::string> KeyCandidates(const KnownSection& section, const std::string& key) {
    std::vector<std::string> candidates = section.keys;
    const std::string digits = Digits(key).empty() ? "1" : Digits(key);
    if (section.numbered == Numbered::Components) {
        for (const char* suffix : kComponentSuffixes) candidates.push_back(digits + suffix);
    }
    return candidates;
}

std::string MeantText(const std::string& nearest, const std::string& shown) {
    return nearest.empty() ? "" : ": did you mean " + shown + "?";
}

const KnownSection* FindSection(const KnownFile& file, const std::string& name) {
    for (const KnownSection& section : file.sections) {
        if (SameName(section.name, name)) return &section;
    }
    return nullptr;
}

void CheckUnknownSection(Findings& findings, const KnownFile& file, const IniLine& header) {
    std::vector<std::string> names;
    for (const KnownSection& section : file.sections) names.push_back(section.name);
    const std::string nearest = NearestName(header.section, names);
    if (file.shared && nearest.empty()) return;
    findings.Warning(Shown(file.file), header.section, "",
                     "unknown section (line " + std::to_string(header.line) +
                         "): the wizard reads none of its keys" +
                         MeantText(nearest, "[" + nearest + "]"));
}

// The section of the file whose key this is, when it is another one.
std::string OwnSection(const KnownFile& file, const std::string& key) {
    for (const KnownSection& section : file.sections) {
        if (section.numbered != Numbered::Any && IsKnownKey(section, key)) return section.name;
    }
    return "";
}

void CheckUnknownKey(Findings& findings, const KnownFile& file, const KnownSection& section,
                     const IniLine& line) {
    const std::string nearest = NearestName(line.key, KeyCandidates(section, line.key));
    const std::string own = OwnSection(file, line.key);
    if (file.shared && nearest.empty()) return;
    findings.Warning(
        Shown(file.file), line.section, line.key,
        "unknown key (line " + std::to_string(line.line) + "): the wizard never reads it" +
            (own.empty() ? MeantText(nearest, nearest) : ": it is a key of [" + own + "]"));
}

// The wizard's reader searches the first section of a name only, and in
// it the first line of a key.
void CheckFile(Findings& findings, const KnownFile& file, const IniLayout& layout) {
    std::map<std::string, int> sectionLines;  // upper-case name -> line of the first
    std::map<std::string, const IniLine*> keyLines;
    bool readSection = false;
    const KnownSection* known = nullptr;
    for (const IniLine& line : layout.lines) {
        std::string upper = line.section;
        for (char& c : upper) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
        if (line.key.empty()) {
            readSection = sectionLines.emplace(upper, line.line).second;
            known = FindSection(file, line.section);
            if (!readSection) {
                findings.Warning(Shown(file.file), line.section, "",
                                 "written twice (lines " + std::to_string(sectionLines[upper]) +
                                     " and " + std::to_string(line.line) +
                                     "): the wizard reads the first only; the keys after line " +
                                     std::to_string(line.line) + " are never read");
            } else if (known == nullptr) {
                CheckUnknownSection(findings, file, line);
            }
            continue;
        }
        if (!readSection || known == nullptr) continue;
        if (!IsKnownKey(*known, line.key)) {
            CheckUnknownKey(findings, file, *known, line);
            continue;
        }
        std::string key = upper + "]";
        for (const char c : line.key)
            key += static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
        const auto [first, isFirst] = keyLines.emplace(key, &line);
        if (!isFirst) {
            findings.Warning(Shown(file.file), line.section, line.key,
                             "written twice (lines " + std::to_string(first->second->line) +
                                 " and " + std::to_string(line.line) +
                                 "): the wizard reads the first, '" + first->second->value + "'");
        }
    }
}

void CheckByteOrderMark(Findings& findings, const KnownFile& file, const IniLayout& layout) {
    const std::string first = layout.lines.empty() ? std::string() : layout.lines.front().section;
    findings.Error(
        Shown(file.file), first, "",
        "starts with a UTF-8 byte-order mark (bytes EF BB BF): the wizard reads them "
        "as part of the first line, so " +
            (first.empty() ? std::string("its first key") : "[" + first + "] and its keys") +
            " are missing; save the file as code page 1252 text without the mark");
}

}  // namespace

void CheckNames(Findings& findings) {
    for (const KnownFile& file : KnownFiles()) {
        std::string bytes;
        if (!ReadMediumFile(file.file, bytes)) continue;
        const IniLayout layout = ReadIniLayout(bytes);
        if (layout.utf8Mark) CheckByteOrderMark(findings, file, layout);
        CheckFile(findings, file, layout);
    }
}

}  // namespace tavrik::mediumcheck
