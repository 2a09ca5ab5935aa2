#include "ComponentPlan.h"

#include "config/IniFile.h"
#include "install/ComponentRules.h"
#include "util/StringUtilities.h"

namespace tavrik::dryrun {

namespace {

const char* const kSection = "INSTALL_COMPOSANTS";

class Component {
public:
    Component(const std::string& apIni, int number) : apIni_(apIni), number_(number) {}

    std::string Key(const char* suffix) const { return ComponentKey(number_, suffix); }
    std::string Value(const char* suffix) const {
        return ReadIniString(apIni_, kSection, Key(suffix), "");
    }
    // "1_FORCEE=TRUE"
    std::string Shown(const char* suffix) const {
        return Key(suffix) + "=" + (Value(suffix).empty() ? "(none)" : Value(suffix));
    }

private:
    const std::string& apIni_;
    int number_;
};

std::string WhyItRuns(const Component& c) {
    if (c.Value("_FORCEE") == "TRUE") return c.Shown("_FORCEE");
    if (c.Value("_FIRST_INSTALL") == "TRUE")
        return c.Shown("_FIRST_INSTALL") + ", a first installation";
    return "";
}

std::string WhyItDoesNot(const Component& c) {
    if (c.Value("_FIRST_INSTALL") == "TRUE") {
        return c.Shown("_FIRST_INSTALL") + " but not a first installation, " + c.Shown("_FORCEE");
    }
    return "neither " + c.Key("_FORCEE") + " nor " + c.Key("_FIRST_INSTALL") +
           " is TRUE: " + c.Shown("_FORCEE") + ", " + c.Shown("_FIRST_INSTALL");
}

std::string LanguageReason(const Component& c, const std::string& folder,
                           const std::string& baseFolder, const std::string& code) {
    const std::string languages = c.Value("_LANGUES");
    if (languages.empty()) return "";
    return "; language " + (code.empty() ? std::string("(none)") : code) +
           (folder != baseFolder ? " in " : " not in ") + c.Shown("_LANGUES");
}

std::string RunningLine(const Component& c, const std::string& baseFolder,
                        const std::string& code) {
    const std::string value = c.Value("");
    const std::string folder = ComponentFolder(baseFolder, c.Value("_LANGUES"), code);
    const std::string program = ComponentProgram(folder, value);
    std::string line = "runs (" + WhyItRuns(c) + LanguageReason(c, folder, baseFolder, code) +
                       "): \"" + value + "\"";
    if (program.empty()) {
        return line + ", no program of it in " + folder + ": not started, the component notice";
    }
    line += ", program " + program + " in " + folder;
    line += c.Value("_INVISIBLE") == "TRUE" ? ", hidden" : ", shown";
    line += c.Value("_BLOQUANT") == "FALSE" ? ", not waited for (" + c.Shown("_BLOQUANT") + ")"
                                            : ", waited for";
    return line;
}

}  // namespace

std::vector<std::string> ComponentLines(const std::string& startDirectory, bool firstInstallation,
                                        const std::string& languageCode) {
    const std::string apIni = startDirectory + "ap.ini";
    const std::string count = ReadIniString(apIni, kSection, "NB", "");
    std::vector<std::string> lines;
    for (int number = 1; number <= kMostComponents; ++number) {
        const Component c(apIni, number);
        const bool counted = IndexBelowCount(number - 1, count);
        if (!counted && c.Value("").empty()) continue;
        std::string line = "component " + std::to_string(number) + ": ";
        if (!counted) {
            line += "not counted (NB=" + count + "): never runs";
        } else if (ComponentRuns(c.Value("_FORCEE"), c.Value("_FIRST_INSTALL"),
                                 firstInstallation)) {
            line += RunningLine(c, startDirectory + "COMPST\\", languageCode);
        } else {
            line += "does not run (" + WhyItDoesNot(c) + ")";
        }
        lines.push_back(line);
    }
    return lines;
}

}  // namespace tavrik::dryrun
