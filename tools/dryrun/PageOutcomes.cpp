#include "PageOutcomes.h"

#include <cstdlib>
#include <vector>

#include "app/ProgramState.h"
#include "config/IniFile.h"
#include "config/Registry.h"
#include "config/StartDirectory.h"
#include "install/Versions.h"
#include "platform/Machine.h"

namespace tavrik::dryrun {

namespace {

std::string Quoted(const std::string& text) { return "\"" + text + "\""; }

// The dot-separated numbers of a version; empty when a part is not one.
std::vector<unsigned long> Numbers(const std::string& version) {
    std::vector<unsigned long> numbers;
    std::size_t start = 0;
    for (;;) {
        const std::size_t dot = version.find('.', start);
        const std::string part = version.substr(start, dot - start);
        if (part.empty() || part.size() > 9 ||
            part.find_first_not_of("0123456789") != std::string::npos) {
            return {};
        }
        numbers.push_back(std::strtoul(part.c_str(), nullptr, 10));
        if (dot == std::string::npos) return numbers;
        start = dot + 1;
    }
}

int Sign(int value) { return (value > 0) - (value < 0); }

}  // namespace

std::string Page7Refusal(const Options& options) {
    if (!State.SystemValid) {
        return "the system, Windows " + std::to_string(options.windowsMajor) + "." +
               std::to_string(options.windowsMinor) + ", is neither 2000 (5.0) nor XP (5.1)";
    }
    if (State.RvsServerPresent) {
        return "this PC is the site server: the file " +
               ReadIniString(StartDirectory() + "tavrik.ini", "RVS", "SERVEUR_RVS_FLAG", "") +
               " ([RVS] SERVEUR_RVS_FLAG of tavrik.ini) exists";
    }
    if (State.IsPortable || State.IsFixedPc) {
        return std::string("an excluded workstation: TYPEPOSTE=") +
               (State.IsPortable ? "PORTABLE" : "FIXE");
    }
    return "";
}

std::string Page2Refusal() {
    const ApplicationVersions versions = ReadApplicationVersions();
    if (versions.medium.empty()) {
        return "the medium's version is empty (VSOFT of its applic.ini)";
    }
    if (!IsMediumVersionAccepted(versions)) {
        return "the medium's version " + Quoted(versions.medium) + " orders before the installed " +
               Quoted(versions.installed) + " (compared byte by byte)";
    }
    if (RegKeyExists(kZeliaMarkerKey)) {
        return std::string("the machine type: HKLM\\") + kZeliaMarkerKey + " exists";
    }
    return "";
}

std::string VersionOrderNote() {
    const ApplicationVersions versions = ReadApplicationVersions();
    const std::vector<unsigned long> medium = Numbers(versions.medium);
    const std::vector<unsigned long> installed = Numbers(versions.installed);
    if (medium.empty() || installed.empty()) return "";
    const int byNumber = medium < installed ? -1 : (installed < medium ? 1 : 0);
    const int byText = Sign(CompareVersions(versions.medium, versions.installed));
    if (byNumber == byText || byNumber == 0) return "";
    return "the medium's version " + Quoted(versions.medium) + " orders " +
           (byText < 0 ? "before" : "after") + " the installed " + Quoted(versions.installed) +
           " for the wizard, which compares them byte by byte, though its numbers are " +
           (byNumber < 0 ? "lower" : "higher") + ": write the parts with as many digits";
}

std::string Page6Outcome(bool setupEnded, bool validated) {
    if (!State.DllTestPassed) {
        return "page 6 shows the libraries-in-use notice (in red); validate " +
               std::string(State.IsInstallation && !RunFollowsRestart() ? "leads to the restart"
                                                                        : "ends the run");
    }
    if (State.MainSetupPending) {
        return "page 6 shows the update-error notice: validate starts the setup all the same, "
               "F1 ends the run";
    }
    if (validated) {
        return "page 6 shows the closing message (the service was updated: close, then "
               "restart the PC)";
    }
    const char* const work = State.IsInstallation ? "installation" : "removal";
    if (State.SetupSucceeded) {
        return std::string("page 6 shows that the ") + work + " succeeded";
    }
    return std::string("page 6 shows that the ") + work + " failed (in red): " +
           (setupEnded ? "the setup left Install \"1\"" : "the setup could not start");
}

}  // namespace tavrik::dryrun
