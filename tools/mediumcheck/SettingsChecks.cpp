#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include "Checks.h"
#include "MediumFiles.h"
#include "config/InstallSwitches.h"
#include "util/FileUtilities.h"
#include "util/StringUtilities.h"

namespace tavrik::mediumcheck {

namespace {

// Versions compare byte by byte: 5.10 orders before 5.9. Parts of one
// length compare as their numbers do; parts of mixed lengths mislead.
void CheckVersionDigits(Findings& findings, const std::string& applicIni) {
    const std::string version = IniValue(applicIni, "APPLICATION", "VSOFT");
    std::vector<std::size_t> lengths;
    for (std::size_t start = 0;;) {
        const std::size_t dot = version.find('.', start);
        lengths.push_back((dot == std::string::npos ? version.size() : dot) - start);
        if (dot == std::string::npos) break;
        start = dot + 1;
    }
    if (std::adjacent_find(lengths.begin(), lengths.end(), std::not_equal_to<>()) ==
        lengths.end()) {
        return;
    }
    findings.Warning(Shown(applicIni), "APPLICATION", "VSOFT",
                     "'" + version +
                         "' has parts of different numbers of digits: the wizard compares "
                         "versions byte by byte, so 5.10 orders before 5.9; give every part "
                         "of every release as many digits (5.09, 5.10)");
}

void CheckApplication(Findings& findings) {
    const std::string tavrikIni = "tavrik.ini";
    if (!MediumFileExists(tavrikIni)) {
        findings.Error(tavrikIni, "", "",
                       "missing: no application name, every run is refused (page 2)");
        return;
    }
    const std::string name = IniValue(tavrikIni, "INSTALL", "NAME");
    if (name.empty()) {
        findings.Error(tavrikIni, "INSTALL", "NAME",
                       "no application name: every run is refused (page 2)");
        return;
    }
    const std::string applicIni = name + "\\applic.ini";
    if (!MediumFileExists(applicIni)) {
        findings.Error(Shown(applicIni), "", "",
                       "missing (tavrik.ini [INSTALL] NAME=" + name +
                           "): the medium has no version, every run is refused (page 2)");
    } else if (IniValue(applicIni, "APPLICATION", "VSOFT").empty()) {
        findings.Error(Shown(applicIni), "APPLICATION", "VSOFT",
                       "no version: every run is refused (page 2)");
    } else {
        CheckVersionDigits(findings, applicIni);
    }
}

void CheckInstall(Findings& findings) {
    const std::string apIni = "ap.ini";
    if (!MediumFileExists(apIni)) {
        findings.Error(apIni, "", "", "missing: every page shows an empty title");
        return;
    }
    const std::string problem =
        FlagValueProblem(IniValue(apIni, "INSTALL", "INDEPENDANT"), "not TRUE");
    if (!problem.empty()) findings.Warning(apIni, "INSTALL", "INDEPENDANT", problem);
    if (PageTitleText().empty()) {
        findings.Error(apIni, "INSTALL", IsIndependentInstall() ? "TITRE_INDEPENDANT" : "TITRE",
                       "no title: every page shows an empty title");
    }
    for (const char* key : {"PATH", "PATH_EXE", "EXE"}) {
        if (IniValue(apIni, "APPLICATION", key).empty()) {
            findings.Warning(apIni, "APPLICATION", key,
                             "empty: the installed program's path written to the registry "
                             "lacks this part");
        }
    }
}

void CheckLibraryTest(Findings& findings) {
    const std::string apIni = "ap.ini";
    const std::string count = IniValue(apIni, "DLL_TEST", "NB");
    long number = 0;
    if (!count.empty() && !ParseDecimal(count, number)) {
        findings.Warning(apIni, "DLL_TEST", "NB",
                         "'" + count + "' is not a whole number: no library is tested");
    } else if (number > kMostTestedLibraries) {
        findings.Warning(apIni, "DLL_TEST", "NB",
                         "above " + std::to_string(kMostTestedLibraries) + ": only the first " +
                             std::to_string(kMostTestedLibraries) + " libraries are tested");
    }
    // Numbers beyond the keys written read nothing; told once.
    const int listed = HighestNumberedKey(apIni, "DLL_TEST");
    if (IndexBelowCount(listed, count)) {
        findings.Warning(apIni, "DLL_TEST", "NB",
                         "counts more libraries than the " + std::to_string(listed) +
                             " listed: the others test nothing");
    }
    for (int i = 0; i < listed && IndexBelowCount(i, count); ++i) {
        const std::string key = std::to_string(i + 1);
        const std::string path = IniValue(apIni, "DLL_TEST", key);
        if (path.empty() || path[0] != '\\') {
            findings.Warning(apIni, "DLL_TEST", key,
                             path.empty() ? "empty: no library is tested for this number"
                                          : "'" + path +
                                                "' does not start with '\\': appended to the "
                                                "installation root it names no file");
        }
    }
}

void CheckWindowTitle(Findings& findings) {
    const std::string file = "assoAppliFenetre.ini";
    if (IniValue(file, "NOM_FENETRE", "dremox.exe").empty()) {
        findings.Warning(file, "NOM_FENETRE", "dremox.exe",
                         MediumFileExists(file)
                             ? "empty: the suite's 16-bit program is never found running"
                             : "file missing: the suite's 16-bit program is never found running");
    }
}

}  // namespace

void CheckSettings(Findings& findings) {
    CheckApplication(findings);
    CheckInstall(findings);
    CheckLibraryTest(findings);
    CheckWindowTitle(findings);
}

}  // namespace tavrik::mediumcheck
