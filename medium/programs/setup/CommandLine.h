// The demo setup's command line: "<program> -s -f1<response file> -f2<log
// file>". The paths are glued to their switches and not quoted, and they
// may hold spaces, so the line is split at the switch markers rather than
// at blanks.
#pragma once

#include <string>

namespace tavrik::setup {

struct SetupArguments {
    bool silent = false;       // " -s" present
    std::string responseFile;  // after " -f1"; empty when absent
    std::string logFile;       // after " -f2"; empty when absent
};

// A value runs from its marker to the next marker or the end of the line,
// without surrounding blanks or a pair of quotes around it. The first
// occurrence of each marker counts.
SetupArguments SplitCommandLine(const std::string& commandLine);

}  // namespace tavrik::setup
