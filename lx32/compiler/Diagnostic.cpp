#include "lx32/compiler/Diagnostic.h"

namespace tavrik::lx {

std::string FormatDiagnostic(const std::string& fileName, const Diagnostic& diagnostic) {
    return fileName + ":" + std::to_string(diagnostic.line) + ": " +
           (diagnostic.warning ? "warning: " : "") + diagnostic.message;
}

}  // namespace tavrik::lx
