#include "lx32/compiler/SourceParser.h"

#include <map>
#include <optional>

#include "lx32/DbzLayout.h"
#include "lx32/compiler/SourceEncoding.h"

namespace tavrik::lx {

namespace {

bool IsBlank(std::string_view line) {
    return line.find_first_not_of(" \t") == std::string_view::npos;
}

std::string_view TrimRight(std::string_view text) {
    const std::size_t end = text.find_last_not_of(" \t");
    return end == std::string_view::npos ? std::string_view() : text.substr(0, end + 1);
}

// A decimal number without sign or spaces, at most `maximum`.
std::optional<std::uint64_t> ParseDecimal(std::string_view text, std::uint64_t maximum,
                                          bool& tooLarge) {
    tooLarge = false;
    if (text.empty() || text.find_first_not_of("0123456789") != std::string_view::npos) {
        return std::nullopt;
    }
    std::uint64_t value = 0;
    for (char digit : text) {
        value = value * 10 + static_cast<std::uint64_t>(digit - '0');
        if (value > maximum) {
            tooLarge = true;
            return std::nullopt;
        }
    }
    return value;
}

bool Unescape(std::string_view text, std::string& out, std::string& error) {
    out.clear();
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\\') {
            out.push_back(text[i]);
            continue;
        }
        if (i + 1 == text.size()) {
            error = "the text ends in a lone backslash (write \\\\ for a backslash)";
            return false;
        }
        const char next = text[++i];
        if (next == 'n') {
            out.push_back('\n');
        } else if (next == 't') {
            out.push_back('\t');
        } else if (next == '\\') {
            out.push_back('\\');
        } else {
            error = std::string("unknown escape \\") + next +
                    " (only \\n, \\t and \\\\ are known; write \\\\ for a backslash)";
            return false;
        }
    }
    return true;
}

class Parser {
public:
    explicit Parser(std::vector<Diagnostic>& diagnostics) : diagnostics_(diagnostics) {}

    void ParseLine(std::string_view line, int lineNumber) {
        line_ = lineNumber;
        // The source is valid UTF-8 by now (ParseSource checks it first).
        if (line.find('\0') != std::string_view::npos) {
            Error("a NUL character cannot stand in a dictionary");
        } else if (IsBlank(line) || line.front() == '#') {
            return;
        } else if (line.front() == '@') {
            ParseDirective(line);
        } else {
            ParsePhrase(line);
        }
    }

    ParsedSource Finish(int lastLine) {
        if (!checkedDirectives_) {
            line_ = lastLine;
            CheckDirectivesGiven();
        }
        return std::move(result_);
    }

private:
    void Error(std::string message) { diagnostics_.push_back({line_, std::move(message)}); }

    void ParseDirective(std::string_view line) {
        const std::size_t nameEnd = line.find_first_of(" \t");
        const std::string name(line.substr(0, nameEnd));
        const std::size_t valueStart = line.find_first_not_of(" \t", nameEnd);
        const std::string_view value = valueStart == std::string_view::npos
                                           ? std::string_view()
                                           : TrimRight(line.substr(valueStart));
        if (name != "@codepage" && name != "@font" && name != "@charset") {
            Error("unknown directive " + name + " (known: @codepage, @font, @charset)");
            return;
        }
        if (!result_.phrases.empty() || checkedDirectives_) {
            Error("directive " + name + " must come before the first phrase");
            return;
        }
        // Remembered even when the value is bad, so that the fault is reported
        // once and not again as a missing directive.
        const auto [first, inserted] = directiveLines_.emplace(name, line_);
        if (!inserted) {
            Error(name + " is given twice (first on line " + std::to_string(first->second) + ")");
            return;
        }
        int& validOn = name == "@codepage" ? result_.codePageLine
                       : name == "@font"   ? result_.fontLine
                                           : result_.charsetLine;
        bool tooLarge = false;
        if (name == "@font") {
            if (value.empty()) {
                Error("@font needs a font name");
                return;
            }
            result_.font = std::string(value);
        } else if (name == "@codepage") {
            const auto number = ParseDecimal(value, 65535, tooLarge);
            if (!number) {
                Error("@codepage needs a code page number, not '" + std::string(value) + "'");
                return;
            }
            result_.codePage = static_cast<unsigned>(*number);
        } else {
            const auto number = ParseDecimal(value, 255, tooLarge);
            if (!number) {
                Error("@charset needs a character set number from 0 to 255, not '" +
                      std::string(value) + "'");
                return;
            }
            result_.charset = static_cast<unsigned>(*number);
        }
        validOn = line_;
    }

    void CheckDirectivesGiven() {
        checkedDirectives_ = true;
        for (const char* name : {"@codepage", "@font", "@charset"}) {
            if (directiveLines_.count(name) == 0) {
                Error(std::string("missing ") + name + " directive before the phrases");
            }
        }
    }

    void ParsePhrase(std::string_view line) {
        if (!checkedDirectives_) {
            CheckDirectivesGiven();
        }
        const std::size_t tab = line.find('\t');
        if (tab == std::string_view::npos) {
            Error("expected a phrase number, a TAB and the text");
            return;
        }
        const std::string_view digits = line.substr(0, tab);
        bool tooLarge = false;
        const auto number = ParseDecimal(digits, kMaxPhraseNumber, tooLarge);
        if (!number || *number < kMinPhraseNumber) {
            if (tooLarge || number) {
                Error("phrase number " + std::string(digits) + " is out of range (" +
                      std::to_string(kMinPhraseNumber) + " to " + std::to_string(kMaxPhraseNumber) +
                      ")");
            } else {
                Error("malformed phrase number '" + std::string(digits) + "'");
            }
            return;
        }
        SourcePhrase phrase;
        phrase.number = static_cast<std::uint32_t>(*number);
        phrase.line = line_;
        std::string error;
        if (!Unescape(line.substr(tab + 1), phrase.text, error)) {
            Error(error);
            return;
        }
        if (const auto twice = FindTwiceEncoded(phrase.text)) {
            diagnostics_.push_back({line_,
                                    "\"" + twice->written + "\" looks like UTF-8 read as " +
                                        "Windows-1252 and saved again (meant \"" + twice->meant +
                                        "\"?)",
                                    true});
        }
        const auto [first, inserted] = lineOfNumber_.emplace(phrase.number, line_);
        if (!inserted) {
            Error("duplicate phrase number " + std::to_string(phrase.number) + " (first on line " +
                  std::to_string(first->second) + ")");
            return;
        }
        result_.phrases.push_back(std::move(phrase));
    }

    std::vector<Diagnostic>& diagnostics_;
    ParsedSource result_;
    std::map<std::uint32_t, int> lineOfNumber_;
    std::map<std::string, int> directiveLines_;
    bool checkedDirectives_ = false;
    int line_ = 0;
};

}  // namespace

ParsedSource ParseSource(std::string_view source, std::vector<Diagnostic>& diagnostics) {
    constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
    if (source.substr(0, kByteOrderMark.size()) == kByteOrderMark) {
        source.remove_prefix(kByteOrderMark.size());
    }
    // A source in another encoding is told once, not on each of its lines.
    if (const auto fault = SourceEncodingFault(source)) {
        diagnostics.push_back({1, *fault});
        return ParsedSource{};
    }
    Parser parser(diagnostics);
    int lineNumber = 0;
    while (!source.empty()) {
        const std::size_t end = source.find('\n');
        std::string_view line = source.substr(0, end);
        source.remove_prefix(end == std::string_view::npos ? source.size() : end + 1);
        if (!line.empty() && line.back() == '\r') {
            line.remove_suffix(1);  // a source saved with Windows line ends
        }
        parser.ParseLine(line, ++lineNumber);
    }
    return parser.Finish(lineNumber == 0 ? 1 : lineNumber);
}

}  // namespace tavrik::lx
