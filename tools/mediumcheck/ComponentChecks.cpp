#include <algorithm>
#include <string>
#include <vector>

#include "Checks.h"
#include "MediumFiles.h"
#include "install/ComponentRules.h"
#include "util/StringUtilities.h"

namespace tavrik::mediumcheck {

namespace {

const std::string kApIni = "ap.ini";
const std::string kSection = "INSTALL_COMPOSANTS";
const std::string kComponentFolder = "COMPST\\";

// How many components the wizard runs, with a finding for a count it
// reads otherwise than the medium's author meant.
int CheckedCount(Findings& findings) {
    const std::string count = IniValue(kApIni, kSection, "NB");
    const int listed = HighestNumberedKey(kApIni, kSection, kMostComponents);
    const int highest = HighestNumberedKey(kApIni, kSection);
    if (highest > kMostComponents) {
        findings.Warning(kApIni, kSection, std::to_string(highest),
                         "never read: component keys have one digit, the wizard runs at most " +
                             std::to_string(kMostComponents));
    }
    long number = 0;
    if (count.empty()) {
        if (listed > 0) {
            findings.Warning(kApIni, kSection, "NB",
                             "missing or empty: none of the listed components runs");
        }
        return 0;
    }
    if (!ParseDecimal(count, number)) {
        findings.Error(kApIni, kSection, "NB",
                       "'" + count + "' is not a whole number: no component runs");
        return 0;
    }
    if (number > kMostComponents) {
        findings.Warning(kApIni, kSection, "NB",
                         std::to_string(number) + " components named, the wizard runs the first " +
                             std::to_string(kMostComponents));
    }
    for (long beyond = std::max(number, 0L) + 1; beyond <= listed; ++beyond) {
        if (IniHasKey(kApIni, kSection, std::to_string(beyond))) {
            findings.Warning(kApIni, kSection, std::to_string(beyond),
                             "listed beyond NB=" + std::to_string(number) + ": never runs");
        }
    }
    return static_cast<int>(std::clamp<long>(number, 0, kMostComponents));
}

std::vector<std::string> LanguageList(const std::string& value) {
    std::vector<std::string> codes;
    std::string code;
    for (const char c : value + ";") {
        if (c == ';' || c == ',' || c == ' ') {
            if (!code.empty()) {
                codes.push_back(code);
            }
            code.clear();
        } else {
            code += c;
        }
    }
    return codes;
}

// The program must be in every folder a language of the medium runs the
// component from: COMPST\ or the language's sub-folder that _LANGUES names.
void CheckProgramFolders(Findings& findings, int number, const std::string& value) {
    const std::string languagesKey = ComponentKey(number, "_LANGUES");
    const std::string languages = IniValue(kApIni, kSection, languagesKey);
    std::vector<std::string> codes = FlagLanguageCodes();
    if (codes.empty()) {
        codes.push_back("");  // the wizard's language is then none of them
    }
    std::vector<std::string> missing;
    for (const std::string& code : codes) {
        const std::string folder = ComponentFolder(kComponentFolder, languages, code);
        if (std::find(missing.begin(), missing.end(), folder) == missing.end() &&
            ComponentProgram(OnMedium(folder), value).empty()) {
            missing.push_back(folder);
            const bool own = folder != kComponentFolder;
            findings.Error(kApIni, kSection, own ? languagesKey : ComponentKey(number, ""),
                           "no program of '" + value + "' in " + Shown(folder) +
                               (own ? " (language " + code + ")" : "") +
                               ": the component notice shows");
        }
    }
    for (const std::string& code : LanguageList(languages)) {
        if (!code.empty() && std::find(codes.begin(), codes.end(), code) == codes.end()) {
            findings.Warning(kApIni, kSection, languagesKey,
                             "'" + code + "' names no language of the medium's flags");
        }
    }
}

void CheckComponent(Findings& findings, int number) {
    const auto key = [&](const char* suffix) { return ComponentKey(number, suffix); };
    if (IniValue(kApIni, kSection, key("_FORCEE")) != "TRUE" &&
        IniValue(kApIni, kSection, key("_FIRST_INSTALL")) != "TRUE") {
        findings.Warning(kApIni, kSection, key(""),
                         IniHasKey(kApIni, kSection, key(""))
                             ? "neither " + key("_FORCEE") + " nor " + key("_FIRST_INSTALL") +
                                   " is TRUE: the component never runs"
                             : "counted by NB but not listed: nothing runs for this number");
        return;
    }
    const std::string value = IniValue(kApIni, kSection, key(""));
    if (value.empty()) {
        findings.Error(kApIni, kSection, key(""),
                       "no command line: the component notice shows instead");
        return;
    }
    CheckProgramFolders(findings, number, value);
}

// Every flag of every component listed, counted or not: the wizard
// compares them with TRUE (or, for _BLOQUANT, FALSE) exactly.
void CheckFlags(Findings& findings) {
    for (int number = 1; number <= kMostComponents; ++number) {
        for (const char* suffix : {"_FORCEE", "_FIRST_INSTALL", "_INVISIBLE", "_BLOQUANT"}) {
            const std::string key = ComponentKey(number, suffix);
            const bool waits = key == ComponentKey(number, "_BLOQUANT");
            const std::string problem = FlagValueProblem(
                IniValue(kApIni, kSection, key),
                waits ? "not FALSE: the wizard waits for the component" : "not TRUE");
            if (!problem.empty()) findings.Warning(kApIni, kSection, key, problem);
        }
    }
}

}  // namespace

void CheckComponents(Findings& findings) {
    if (!MediumFileExists(kApIni)) {
        return;  // told by the settings
    }
    CheckFlags(findings);
    const int count = CheckedCount(findings);
    for (int number = 1; number <= count; ++number) {
        CheckComponent(findings, number);
    }
}

}  // namespace tavrik::mediumcheck
