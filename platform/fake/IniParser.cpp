#include "platform/fake/IniParser.h"

#include <cstddef>

#include "platform/fake/CaseFolding.h"

namespace tavrik::platform {

namespace {

// Windows' profile reader also treats Ctrl-Z (end of a DOS text file) as
// blank.
bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\v' || c == '\f' || c == '\x1a'; }

std::string Trim(const std::string& text) {
    std::size_t begin = 0;
    std::size_t end = text.size();
    while (begin < end && IsBlank(text[begin])) {
        ++begin;
    }
    while (end > begin && IsBlank(text[end - 1])) {
        --end;
    }
    return text.substr(begin, end - begin);
}

std::string WithoutQuotes(const std::string& value) {
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
        value.back() == value.front()) {
        return value.substr(1, value.size() - 2);
    }
    return value;
}

std::string WithoutTrailingBlanks(std::string text) {
    while (!text.empty() && IsBlank(text.back())) {
        text.pop_back();
    }
    return text;
}

// Calls visit(line) for each line, trimmed, until it returns false.
template <typename Visit>
void ForEachLine(const std::string& bytes, Visit visit) {
    std::size_t start = 0;
    while (start <= bytes.size()) {
        std::size_t end = bytes.find_first_of("\r\n", start);
        if (end == std::string::npos) {
            end = bytes.size();
        }
        if (!visit(Trim(bytes.substr(start, end - start)))) {
            return;
        }
        start = end + 1;
    }
}

// The name of a section header line, or false when the line is not one.
// The name runs to the line's last ']'.
bool SectionName(const std::string& line, std::string& name) {
    if (line.empty() || line.front() != '[') {
        return false;
    }
    const std::size_t close = line.rfind(']');
    if (close == std::string::npos || close == 0) {
        return false;
    }
    name = line.substr(1, close - 1);
    return true;
}

}  // namespace

std::string ReadIniValue(const std::string& fileBytes, const std::string& section,
                         const std::string& key, const std::string& defaultValue) {
    const std::string wantedSection = Trim(section);
    const std::string wantedKey = Trim(key);
    enum class State { BeforeSection, InSection, Done } state = State::BeforeSection;
    bool found = false;
    std::string value;

    ForEachLine(fileBytes, [&](const std::string& line) {
        std::string name;
        if (SectionName(line, name)) {
            if (state == State::InSection) {
                state = State::Done;  // only the first section of the name counts
            } else if (EqualsIgnoringCase(Trim(name), wantedSection)) {
                state = State::InSection;
            }
            return state != State::Done;
        }
        if (state != State::InSection || line.empty() || line.front() == ';') {
            return true;
        }
        const std::size_t equals = line.find('=');
        const std::string lineKey = Trim(line.substr(0, equals));
        if (!EqualsIgnoringCase(lineKey, wantedKey)) {
            return true;
        }
        if (equals != std::string::npos) {
            found = true;
            value = WithoutQuotes(Trim(line.substr(equals + 1)));
        }
        state = State::Done;  // the first line of the key decides
        return false;
    });

    return found ? value : WithoutTrailingBlanks(defaultValue);
}

}  // namespace tavrik::platform
