#include "vcl/FormParser.h"

#include <cctype>

#include "vcl/Exceptions.h"

namespace tavrik::vcl {

namespace {

constexpr int kMaxNesting = 64;

struct Token {
    enum class Type { End, Identifier, Integer, String, Symbol };
    Type type = Type::End;
    std::string text;  // identifier, decoded string, or the symbol
    std::int64_t integer = 0;
    int line = 1;
};

bool IsIdentStart(char c) { return std::isalpha(static_cast<unsigned char>(c)) != 0 || c == '_'; }
bool IsIdentPart(char c) { return std::isalnum(static_cast<unsigned char>(c)) != 0 || c == '_'; }

[[noreturn]] void Fail(int line, const std::string& message) {
    throw EReadError("Form description line " + std::to_string(line) + ": " + message);
}

class Lexer {
public:
    explicit Lexer(const std::string& text) : text_(text) {}

    Token Next() {
        SkipBlanks();
        Token token;
        token.line = line_;
        if (pos_ >= text_.size()) return token;
        const char c = text_[pos_];
        if (IsIdentStart(c)) {
            token.type = Token::Type::Identifier;
            token.text = Identifier();
        } else if (std::isdigit(static_cast<unsigned char>(c)) ||
                   (c == '-' && pos_ + 1 < text_.size() &&
                    std::isdigit(static_cast<unsigned char>(text_[pos_ + 1])))) {
            token.type = Token::Type::Integer;
            token.integer = Integer();
        } else if (c == '\'') {
            token.type = Token::Type::String;
            token.text = String();
        } else if (std::string("=:[],").find(c) != std::string::npos) {
            token.type = Token::Type::Symbol;
            token.text = std::string(1, c);
            ++pos_;
        } else {
            Fail(line_, std::string("unexpected character '") + c + "'");
        }
        return token;
    }

private:
    void SkipBlanks() {
        while (pos_ < text_.size()) {
            const char c = text_[pos_];
            if (c == '\n') {
                ++line_;
                ++pos_;
            } else if (c == ' ' || c == '\t' || c == '\r') {
                ++pos_;
            } else {
                break;
            }
        }
    }

    // Dotted names are one identifier: "Font.Style".
    std::string Identifier() {
        const std::size_t start = pos_;
        while (pos_ < text_.size() &&
               (IsIdentPart(text_[pos_]) ||
                (text_[pos_] == '.' && pos_ + 1 < text_.size() && IsIdentStart(text_[pos_ + 1])))) {
            ++pos_;
        }
        return text_.substr(start, pos_ - start);
    }

    // Decimal, optionally negative; the reader checks the range per property.
    std::int64_t Integer() {
        const bool negative = text_[pos_] == '-';
        if (negative) ++pos_;
        std::int64_t value = 0;
        while (pos_ < text_.size() && std::isdigit(static_cast<unsigned char>(text_[pos_]))) {
            value = value * 10 + (text_[pos_] - '0');
            if (value > 0xFFFFFFFFLL) Fail(line_, "number too large");
            ++pos_;
        }
        if (pos_ < text_.size() && IsIdentPart(text_[pos_])) Fail(line_, "malformed number");
        return negative ? -value : value;
    }

    // Everything up to the next quote, on one line.
    std::string String() {
        const std::size_t start = ++pos_;
        while (pos_ < text_.size() && text_[pos_] != '\'') {
            if (text_[pos_] == '\n') Fail(line_, "unterminated string");
            ++pos_;
        }
        if (pos_ >= text_.size()) Fail(line_, "unterminated string");
        return text_.substr(start, pos_++ - start);
    }

    const std::string& text_;
    std::size_t pos_ = 0;
    int line_ = 1;
};

class Parser {
public:
    explicit Parser(const std::string& text) : lexer_(text) { Advance(); }

    FormObject Description() {
        FormObject root = Object(0);
        if (token_.type != Token::Type::End) Fail(token_.line, "text after the last 'end'");
        return root;
    }

private:
    void Advance() { token_ = lexer_.Next(); }

    bool IsSymbol(const char* symbol) const {
        return token_.type == Token::Type::Symbol && token_.text == symbol;
    }
    bool IsWord(const char* word) const {
        return token_.type == Token::Type::Identifier && SameText(token_.text, word);
    }

    void ExpectSymbol(const char* symbol) {
        if (!IsSymbol(symbol)) Fail(token_.line, std::string("'") + symbol + "' expected");
        Advance();
    }

    std::string ExpectIdentifier(const char* what) {
        if (token_.type != Token::Type::Identifier)
            Fail(token_.line, std::string(what) + " expected");
        std::string text = token_.text;
        Advance();
        return text;
    }

    FormObject Object(int depth) {
        if (depth > kMaxNesting) Fail(token_.line, "objects nested too deeply");
        if (!IsWord("object")) Fail(token_.line, "'object' expected");
        FormObject object;
        object.line = token_.line;
        Advance();
        object.name = ExpectIdentifier("component name");
        if (object.name.find('.') != std::string::npos) {
            Fail(object.line, "component name " + object.name + " contains a dot");
        }
        ExpectSymbol(":");
        object.className = ExpectIdentifier("class name");
        for (;;) {
            if (token_.type == Token::Type::End) {
                Fail(token_.line, "'end' of " + object.name + " missing");
            }
            if (IsWord("end")) {
                Advance();
                return object;
            }
            if (IsWord("object")) {
                object.children.push_back(Object(depth + 1));
                continue;
            }
            FormProperty property;
            property.line = token_.line;
            property.name = ExpectIdentifier("property name");
            ExpectSymbol("=");
            property.value = Value();
            object.properties.push_back(std::move(property));
        }
    }

    FormValue Value() {
        FormValue value;
        const int line = token_.line;
        switch (token_.type) {
            case Token::Type::Integer:
                value.kind = FormValue::Kind::Integer;
                value.integer = token_.integer;
                Advance();
                return value;
            case Token::Type::String:
                value.kind = FormValue::Kind::String;
                value.text = token_.text;
                Advance();
                return value;
            case Token::Type::Identifier:
                if (IsWord("end") || IsWord("object")) Fail(line, "value expected");
                value.kind = FormValue::Kind::Identifier;
                value.text = token_.text;
                Advance();
                return value;
            case Token::Type::Symbol:
                if (IsSymbol("[")) return Set();
                break;
            case Token::Type::End:
                break;
        }
        Fail(line, "value expected");
    }

    FormValue Set() {
        FormValue value;
        value.kind = FormValue::Kind::Set;
        Advance();
        if (IsSymbol("]")) {
            Advance();
            return value;
        }
        for (;;) {
            value.items.push_back(ExpectIdentifier("set member"));
            if (IsSymbol("]")) {
                Advance();
                return value;
            }
            ExpectSymbol(",");
        }
    }

    Lexer lexer_;
    Token token_;
};

}  // namespace

FormObject ParseFormDescription(const std::string& text) { return Parser(text).Description(); }

}  // namespace tavrik::vcl
