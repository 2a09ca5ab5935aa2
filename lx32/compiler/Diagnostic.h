// A compiler message tied to a line of the source.
#pragma once

#include <string>

namespace tavrik::lx {

struct Diagnostic {
    int line = 0;  // 1-based
    std::string message;
    bool warning = false;
};

// "file:line: message", or "file:line: warning: message".
std::string FormatDiagnostic(const std::string& fileName, const Diagnostic& diagnostic);

}  // namespace tavrik::lx
