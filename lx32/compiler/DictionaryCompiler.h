// Turns a dictionary source into the content of a .DBZ file: checks the
// directives and converts every text to the dictionary's code page.
#pragma once

#include <string_view>
#include <vector>

#include "lx32/DbzWriter.h"
#include "lx32/compiler/Diagnostic.h"

namespace tavrik::lx {

struct CompileResult {
    bool ok = false;  // no errors; warnings may be present
    std::vector<Diagnostic> diagnostics;
    DbzContent content;  // filled when ok
};

CompileResult CompileDictionary(std::string_view source);

}  // namespace tavrik::lx
