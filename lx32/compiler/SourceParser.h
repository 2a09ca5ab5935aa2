// Reads the UTF-8 dictionary source (format in lx32/README.md) into its
// directives and phrases, reporting every syntax fault with its line.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "lx32/compiler/Diagnostic.h"

namespace tavrik::lx {

struct SourcePhrase {
    std::uint32_t number = 0;
    std::string text;  // UTF-8, escapes resolved
    int line = 0;
};

// A directive's line is 0 when the source does not give it.
struct ParsedSource {
    unsigned codePage = 0;
    int codePageLine = 0;
    std::string font;  // UTF-8
    int fontLine = 0;
    unsigned charset = 0;
    int charsetLine = 0;
    std::vector<SourcePhrase> phrases;
};

// Parses the whole source; errors go to `diagnostics`, and the lines that
// carry them are left out of the result.
ParsedSource ParseSource(std::string_view source, std::vector<Diagnostic>& diagnostics);

}  // namespace tavrik::lx
