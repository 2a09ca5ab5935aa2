#include "lx32/compiler/DictionaryCompiler.h"

#include <algorithm>
#include <cstdio>

#include "lx32/DbzLayout.h"
#include "lx32/compiler/CodePages.h"
#include "lx32/compiler/SourceParser.h"

namespace tavrik::lx {

namespace {

// GDI's DEFAULT_CHARSET: the system picks; valid with any code page.
constexpr unsigned kDefaultCharset = 1;

std::string CodePointName(char32_t codePoint) {
    char name[16];
    std::snprintf(name, sizeof name, "U+%04X", static_cast<unsigned>(codePoint));
    return name;
}

std::string SupportedList() {
    std::string list;
    for (unsigned number : SupportedCodePages()) {
        list += (list.empty() ? "" : ", ") + std::to_string(number);
    }
    return list;
}

class Compiler {
public:
    explicit Compiler(std::vector<Diagnostic>& diagnostics) : diagnostics_(diagnostics) {}

    void Run(const ParsedSource& source, DbzContent& content) {
        const CodePage* codePage = nullptr;
        if (source.codePageLine != 0) {
            codePage = FindCodePage(source.codePage);
            if (codePage == nullptr) {
                Error(source.codePageLine, "unknown code page " + std::to_string(source.codePage) +
                                               " (supported: " + SupportedList() + ")");
            }
        }
        if (source.fontLine != 0) {
            CheckFont(source.font, source.fontLine);
        }
        if (codePage != nullptr && source.charsetLine != 0 && source.charset != codePage->charset &&
            source.charset != kDefaultCharset) {
            Warning(source.charsetLine, "character set " + std::to_string(source.charset) +
                                            " does not show code page " +
                                            std::to_string(codePage->number) + " (expected " +
                                            std::to_string(codePage->charset) + ")");
        }
        if (codePage == nullptr) {
            return;  // nothing can be converted
        }
        content.codePage = static_cast<std::uint16_t>(codePage->number);
        content.charset = static_cast<std::uint8_t>(source.charset);
        content.font = source.font;
        for (const SourcePhrase& phrase : source.phrases) {
            DbzPhrase converted;
            converted.number = phrase.number;
            if (Convert(phrase, *codePage, converted.text)) {
                content.phrases.push_back(std::move(converted));
            }
        }
    }

private:
    void Error(int line, std::string message) {
        diagnostics_.push_back({line, std::move(message), false});
    }
    void Warning(int line, std::string message) {
        diagnostics_.push_back({line, std::move(message), true});
    }

    // The system reads a font face in its own code page, which need not be
    // the dictionary's: only ASCII means the same in all of them.
    void CheckFont(const std::string& font, int line) {
        const bool printableAscii = std::all_of(font.begin(), font.end(), [](char c) {
            return static_cast<unsigned char>(c) >= 0x20 && static_cast<unsigned char>(c) < 0x7F;
        });
        if (!printableAscii) {
            Error(line, "the font name must be printable ASCII");
        } else if (font.size() > kMaxFontLength) {
            Error(line, "the font name is longer than " + std::to_string(kMaxFontLength) +
                            " characters, the most a Windows font face holds");
        }
    }

    bool Convert(const SourcePhrase& phrase, const CodePage& codePage, std::string& out) {
        if (const auto missing = EncodeToCodePage(phrase.text, codePage, out)) {
            Error(phrase.line, "character " + CodePointName(*missing) +
                                   " cannot be written in code page " +
                                   std::to_string(codePage.number));
            return false;
        }
        if (out.size() > kMaxPhraseLength) {
            Error(phrase.line,
                  "the phrase is longer than " + std::to_string(kMaxPhraseLength) + " bytes");
            return false;
        }
        return true;
    }

    std::vector<Diagnostic>& diagnostics_;
};

}  // namespace

CompileResult CompileDictionary(std::string_view source) {
    CompileResult result;
    const ParsedSource parsed = ParseSource(source, result.diagnostics);
    Compiler(result.diagnostics).Run(parsed, result.content);
    std::stable_sort(result.diagnostics.begin(), result.diagnostics.end(),
                     [](const Diagnostic& a, const Diagnostic& b) { return a.line < b.line; });
    result.ok = std::none_of(result.diagnostics.begin(), result.diagnostics.end(),
                             [](const Diagnostic& d) { return !d.warning; });
    if (!result.ok) {
        result.content = DbzContent();
    }
    return result;
}

}  // namespace tavrik::lx
