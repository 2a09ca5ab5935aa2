#include "RegFile.h"

#include <cctype>
#include <cstdint>
#include <utility>

namespace tavrik::dryrun {

namespace {

constexpr const char* kHeader4 = "REGEDIT4";
constexpr const char* kHeader5 = "Windows Registry Editor Version 5.00";

// Code page 1252's letters between 0x80 and 0x9F, by their Unicode code point.
constexpr std::pair<char32_t, unsigned char> kCp1252Extra[] = {
    {0x20AC, 0x80}, {0x201A, 0x82}, {0x0192, 0x83}, {0x201E, 0x84}, {0x2026, 0x85}, {0x2020, 0x86},
    {0x2021, 0x87}, {0x02C6, 0x88}, {0x2030, 0x89}, {0x0160, 0x8A}, {0x2039, 0x8B}, {0x0152, 0x8C},
    {0x017D, 0x8E}, {0x2018, 0x91}, {0x2019, 0x92}, {0x201C, 0x93}, {0x201D, 0x94}, {0x2022, 0x95},
    {0x2013, 0x96}, {0x2014, 0x97}, {0x02DC, 0x98}, {0x2122, 0x99}, {0x0161, 0x9A}, {0x203A, 0x9B},
    {0x0153, 0x9C}, {0x017E, 0x9E}, {0x0178, 0x9F}};

char ToCp1252(char32_t code) {
    if (code < 0x80 || (code >= 0xA0 && code <= 0xFF)) return static_cast<char>(code);
    for (const auto& [unicode, byte] : kCp1252Extra) {
        if (unicode == code) return static_cast<char>(byte);
    }
    return '?';
}

// UTF-16LE code units to single-byte text; surrogate pairs fall outside
// code page 1252 and become one '?'.
std::string FromUtf16(const std::string& bytes, std::size_t start) {
    std::string text;
    for (std::size_t i = start; i + 1 < bytes.size(); i += 2) {
        const auto unit = static_cast<char32_t>(static_cast<unsigned char>(bytes[i]) |
                                                static_cast<unsigned char>(bytes[i + 1]) << 8);
        if (unit >= 0xDC00 && unit <= 0xDFFF) continue;  // the pair's second half
        text += ToCp1252(unit);
    }
    return text;
}

struct Line {
    std::string text;
    int number = 0;
};

std::string TrimRight(const std::string& text) {
    std::size_t end = text.size();
    while (end > 0 && std::isspace(static_cast<unsigned char>(text[end - 1]))) --end;
    return text.substr(0, end);
}

std::string TrimLeft(const std::string& text) {
    std::size_t start = 0;
    while (start < text.size() && std::isspace(static_cast<unsigned char>(text[start]))) ++start;
    return text.substr(start);
}

// Physical lines joined where a value line ends with a backslash (regedit
// wraps long hex data so); each logical line keeps its first line's number.
std::vector<Line> LogicalLines(const std::string& text) {
    std::vector<Line> lines;
    bool continues = false;
    int number = 0;
    std::size_t start = 0;
    while (start <= text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string::npos) end = text.size();
        std::string physical = text.substr(start, end - start);
        if (!physical.empty() && physical.back() == '\r') physical.pop_back();
        ++number;
        std::string trimmed = TrimRight(physical);
        if (continues) {
            lines.back().text += TrimLeft(trimmed);
        } else {
            lines.push_back({trimmed, number});
        }
        const std::string& current = lines.back().text;
        const char first = TrimLeft(current).empty() ? '\0' : TrimLeft(current)[0];
        continues = !current.empty() && current.back() == '\\' && (first == '"' || first == '@');
        if (continues) lines.back().text.pop_back();
        start = end + 1;
    }
    return lines;
}

RegRoot RootOf(const std::string& name, int line) {
    std::string upper;
    for (const char c : name)
        upper += static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    if (upper == "HKEY_LOCAL_MACHINE" || upper == "HKLM") return RegRoot::LocalMachine;
    if (upper == "HKEY_CURRENT_USER" || upper == "HKCU") return RegRoot::CurrentUser;
    for (const char* other : {"HKEY_CLASSES_ROOT", "HKCR", "HKEY_USERS", "HKU",
                              "HKEY_CURRENT_CONFIG", "HKCC", "HKEY_DYN_DATA"}) {
        if (upper == other) return RegRoot::Other;
    }
    throw RegFileError(line, "unknown root \"" + name + "\"");
}

// A quoted string from text[pos] (the opening quote); pos ends after the
// closing quote. regedit escapes only the backslash and the quote; any
// other backslash is kept as written.
std::string QuotedString(const std::string& text, std::size_t& pos, int line) {
    std::string value;
    for (++pos; pos < text.size(); ++pos) {
        const char c = text[pos];
        if (c == '"') {
            ++pos;
            return value;
        }
        if (c == '\\' && pos + 1 < text.size() && (text[pos + 1] == '\\' || text[pos + 1] == '"')) {
            ++pos;
        }
        value += text[pos];
    }
    throw RegFileError(line, "unterminated string");
}

int HexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    const int lower = std::tolower(static_cast<unsigned char>(c));
    if (lower >= 'a' && lower <= 'f') return lower - 'a' + 10;
    return -1;
}

std::string HexBytes(const std::string& list, int line) {
    std::string bytes;
    std::size_t pos = 0;
    const std::string text = TrimRight(list);
    while (pos < text.size()) {
        std::size_t comma = text.find(',', pos);
        if (comma == std::string::npos) comma = text.size();
        const std::string item = TrimLeft(TrimRight(text.substr(pos, comma - pos)));
        if (item.size() != 2 || HexDigit(item[0]) < 0 || HexDigit(item[1]) < 0) {
            throw RegFileError(line, "bad hex byte \"" + item + "\"");
        }
        bytes += static_cast<char>(HexDigit(item[0]) * 16 + HexDigit(item[1]));
        pos = comma + 1;
        if (comma + 1 == text.size()) throw RegFileError(line, "hex data ends with a comma");
    }
    return bytes;
}

platform::RegistryValue HexValue(const std::string& data, bool unicode, int line) {
    // "hex:" is REG_BINARY, "hex(N):" type N in hexadecimal.
    platform::RegistryValue value;
    const std::size_t colon = data.find(':');
    const std::string kind = data.substr(0, colon);
    if (kind == "hex") {
        value.type = platform::kRegBinary;
    } else if (kind.size() > 5 && kind.compare(0, 4, "hex(") == 0 && kind.back() == ')') {
        std::uint32_t type = 0;
        for (std::size_t i = 4; i + 1 < kind.size(); ++i) {
            const int digit = HexDigit(kind[i]);
            if (digit < 0 || type > 0x0FFFFFFFu)
                throw RegFileError(line, "bad value type \"" + kind + "\"");
            type = type * 16 + static_cast<std::uint32_t>(digit);
        }
        value.type = type;
    } else {
        throw RegFileError(line, "unknown value data \"" + data + "\"");
    }
    value.data = HexBytes(data.substr(colon + 1), line);
    const bool text = value.type == platform::kRegSz || value.type == platform::kRegExpandSz ||
                      value.type == 7;  // REG_MULTI_SZ
    if (text && unicode) value.data = FromUtf16(value.data, 0);
    if (text && !value.data.empty() && value.data.back() == '\0') value.data.pop_back();
    return value;
}

platform::RegistryValue DwordValue(const std::string& digits, int line) {
    if (digits.empty() || digits.size() > 8)
        throw RegFileError(line, "bad dword \"" + digits + "\"");
    std::uint32_t number = 0;
    for (const char c : digits) {
        const int digit = HexDigit(c);
        if (digit < 0) throw RegFileError(line, "bad dword \"" + digits + "\"");
        number = number * 16 + static_cast<std::uint32_t>(digit);
    }
    platform::RegistryValue value;
    value.type = platform::kRegDword;
    for (int i = 0; i < 4; ++i) value.data += static_cast<char>((number >> (8 * i)) & 0xFF);
    return value;
}

class Parser {
public:
    explicit Parser(bool unicode) : unicode_(unicode) {}

    void Read(const Line& line) {
        const std::string text = TrimLeft(line.text);
        if (text.empty() || text[0] == ';') return;
        if (text[0] == '[') {
            Key(text, line.number);
        } else if (text[0] == '"' || text[0] == '@') {
            Value(text, line.number);
        } else {
            throw RegFileError(line.number,
                               "neither a key, a value nor a comment: \"" + text + "\"");
        }
    }

    std::vector<RegOperation> operations;

private:
    void Key(const std::string& text, int line) {
        if (text.back() != ']') throw RegFileError(line, "a key without its closing bracket");
        const bool remove = text.size() > 1 && text[1] == '-';
        const std::string path = text.substr(remove ? 2 : 1, text.size() - (remove ? 3 : 2));
        const std::size_t slash = path.find('\\');
        RegOperation key;
        key.kind = remove ? RegOperation::Kind::DeleteKey : RegOperation::Kind::CreateKey;
        key.rootName = path.substr(0, slash);
        key.root = RootOf(key.rootName, line);
        key.key = slash == std::string::npos ? "" : path.substr(slash + 1);
        key.line = line;
        current_ = key;
        hasKey_ = !remove;
        operations.push_back(key);
    }

    void Value(const std::string& text, int line) {
        if (!hasKey_) throw RegFileError(line, "a value before any key");
        RegOperation value = current_;
        value.kind = RegOperation::Kind::SetValue;
        value.line = line;
        std::size_t pos = 0;
        if (text[0] == '@') {
            pos = 1;
        } else {
            value.name = QuotedString(text, pos, line);
        }
        if (pos >= text.size() || text[pos] != '=')
            throw RegFileError(line, "'=' expected after the value's name");
        const std::string data = TrimRight(text.substr(pos + 1));
        if (data == "-") {
            value.kind = RegOperation::Kind::DeleteValue;
        } else if (!data.empty() && data[0] == '"') {
            std::size_t end = 0;
            value.value.type = platform::kRegSz;
            value.value.data = QuotedString(data, end, line);
            if (end != data.size()) throw RegFileError(line, "text after the closing quote");
        } else if (data.compare(0, 6, "dword:") == 0) {
            value.value = DwordValue(data.substr(6), line);
        } else {
            value.value = HexValue(data, unicode_, line);
        }
        operations.push_back(value);
    }

    bool unicode_;
    bool hasKey_ = false;
    RegOperation current_;
};

}  // namespace

std::vector<RegOperation> ParseRegFile(const std::string& bytes) {
    std::string text;
    if (bytes.size() >= 2 && static_cast<unsigned char>(bytes[0]) == 0xFF &&
        static_cast<unsigned char>(bytes[1]) == 0xFE) {
        text = FromUtf16(bytes, 2);
    } else if (bytes.size() >= 2 && static_cast<unsigned char>(bytes[0]) == 0xFE &&
               static_cast<unsigned char>(bytes[1]) == 0xFF) {
        throw RegFileError(1, "UTF-16 big-endian is not an export regedit writes");
    } else if (bytes.rfind("\xEF\xBB\xBF", 0) == 0) {
        throw RegFileError(1,
                           "starts with a UTF-8 byte-order mark, which regedit never writes: "
                           "save it as ANSI or as Unicode (UTF-16)");
    } else {
        text = bytes;
    }
    const std::vector<Line> lines = LogicalLines(text);
    const std::string header = lines.empty() ? "" : lines[0].text;
    const bool unicode = header == kHeader5;
    if (header != kHeader4 && !unicode) {
        throw RegFileError(1, "not a registry export: the first line must be \"" +
                                  std::string(kHeader5) + "\" or \"" + kHeader4 + "\"");
    }
    Parser parser(unicode);
    for (std::size_t i = 1; i < lines.size(); ++i) parser.Read(lines[i]);
    return std::move(parser.operations);
}

}  // namespace tavrik::dryrun
