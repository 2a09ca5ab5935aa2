// tavrik-check [--json] MEDIUM: reads an installation medium folder the way
// the wizard does and reports every fault, one line each (or a JSON array).
//
// Exit status: 0 clean, 1 warnings only, 2 errors; also 2, with a message,
// for bad arguments or a MEDIUM that is not a readable folder.
#include <cstdio>
#include <string>
#include <vector>

#include "MediumCheck.h"
#include "Report.h"

namespace {

const char* const kUsage =
    "usage: tavrik-check [--json] MEDIUM\n"
    "  MEDIUM: the folder of an installation medium (the root of the CD)\n"
    "  exit status: 0 clean, 1 warnings only, 2 errors (docs/medium.md)\n";

int Usage() {
    std::fputs(kUsage, stderr);
    return tavrik::mediumcheck::kExitErrors;
}

}  // namespace

int main(int argc, char** argv) {
    using namespace tavrik::mediumcheck;
    bool json = false;
    std::string folder;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--json") {
            json = true;
        } else if (arg == "--help" || arg == "-h") {
            std::fputs(kUsage, stdout);
            return 0;
        } else if ((!arg.empty() && arg[0] == '-') || !folder.empty()) {
            return Usage();
        } else {
            folder = arg;
        }
    }
    if (folder.empty()) {
        return Usage();
    }
    std::vector<Finding> findings;
    std::string error;
    if (!CheckMediumFolder(folder, findings, error)) {
        std::fprintf(stderr, "tavrik-check: %s\n", error.c_str());
        return kExitErrors;
    }
    // No streams: the i686 build's program then imports only what Windows
    // 2000's C runtime has.
    std::fputs((json ? JsonReport(findings) : TextReport(findings)).c_str(), stdout);
    return ExitCodeOf(findings);
}
