#include "IniLayout.h"

namespace tavrik::mediumcheck {

namespace {

std::string Trimmed(const std::string& text) {
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string::npos) return "";
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

}  // namespace

IniLayout ReadIniLayout(const std::string& bytes) {
    IniLayout layout;
    layout.utf8Mark = bytes.rfind("\xEF\xBB\xBF", 0) == 0;
    std::string section;
    int number = 0;
    std::size_t start = layout.utf8Mark ? 3 : 0;
    while (start < bytes.size()) {
        std::size_t end = bytes.find_first_of("\r\n", start);
        if (end == std::string::npos) end = bytes.size();
        // CR LF is one line end.
        const bool crlf = end + 1 < bytes.size() && bytes[end] == '\r' && bytes[end + 1] == '\n';
        const std::string line = Trimmed(bytes.substr(start, end - start));
        start = end + (crlf ? 2 : 1);
        ++number;
        if (line.empty() || line[0] == ';') continue;
        if (line[0] == '[') {
            const auto close = line.find(']');
            section =
                Trimmed(line.substr(1, close == std::string::npos ? std::string::npos : close - 1));
            layout.lines.push_back({number, section, "", ""});
            continue;
        }
        const auto equals = line.find('=');
        const std::string key = Trimmed(line.substr(0, equals));
        if (key.empty()) continue;
        layout.lines.push_back(
            {number, section, key,
             equals == std::string::npos ? "" : Trimmed(line.substr(equals + 1))});
    }
    return layout;
}

}  // namespace tavrik::mediumcheck
