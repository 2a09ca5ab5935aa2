#include "CommandLine.h"

#include <algorithm>
#include <cctype>
#include <cstddef>
#include <vector>

namespace tavrik::setup {

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

bool SameLetters(char a, char b) {
    return std::tolower(static_cast<unsigned char>(a)) ==
           std::tolower(static_cast<unsigned char>(b));
}

// Position of the first case-insensitive occurrence of marker; when
// standalone, only one followed by a blank or the end counts.
std::size_t FindMarker(const std::string& line, const std::string& marker, bool standalone) {
    auto from = line.begin();
    while (true) {
        const auto at = std::search(from, line.end(), marker.begin(), marker.end(), SameLetters);
        if (at == line.end()) return std::string::npos;
        const auto after = at + static_cast<std::ptrdiff_t>(marker.size());
        if (!standalone || after == line.end() || IsBlank(*after)) {
            return static_cast<std::size_t>(at - line.begin());
        }
        from = at + 1;
    }
}

std::string Trimmed(const std::string& text) {
    std::size_t begin = 0;
    std::size_t end = text.size();
    while (begin < end && IsBlank(text[begin])) ++begin;
    while (end > begin && IsBlank(text[end - 1])) --end;
    std::string value = text.substr(begin, end - begin);
    if (value.size() >= 2 && value.front() == '"' && value.back() == '"') {
        value = value.substr(1, value.size() - 2);
    }
    return value;
}

}  // namespace

SetupArguments SplitCommandLine(const std::string& commandLine) {
    const std::size_t silent = FindMarker(commandLine, " -s", true);
    const std::size_t response = FindMarker(commandLine, " -f1", false);
    const std::size_t log = FindMarker(commandLine, " -f2", false);
    const std::vector<std::size_t> markers{silent, response, log};

    // From just after the marker at `at` to the nearest marker behind it.
    auto valueAt = [&](std::size_t at) {
        if (at == std::string::npos) return std::string();
        const std::size_t begin = at + 4;
        std::size_t end = commandLine.size();
        for (std::size_t other : markers) {
            if (other != std::string::npos && other > at && other < end) end = other;
        }
        return Trimmed(commandLine.substr(begin, end - begin));
    };

    SetupArguments arguments;
    arguments.silent = silent != std::string::npos;
    arguments.responseFile = valueAt(response);
    arguments.logFile = valueAt(log);
    return arguments;
}

}  // namespace tavrik::setup
