#include "MediumFiles.h"

#include <algorithm>
#include <cctype>

#include "config/IniFile.h"
#include "config/StartDirectory.h"
#include "localisation/FlagFiles.h"
#include "platform/Machine.h"
#include "util/DictionaryNames.h"
#include "util/StringUtilities.h"
#include "vcl/FileRoutines.h"

namespace tavrik::mediumcheck {

namespace {

constexpr std::size_t kMostFileBytes = 64u * 1024u * 1024u;
// No INI value holds it, so a key read back as it is missing.
const std::string kAbsent = "\x01\x02";

std::string Trimmed(const std::string& text) {
    const auto first = text.find_first_not_of(" \t\r");
    if (first == std::string::npos) {
        return "";
    }
    return text.substr(first, text.find_last_not_of(" \t\r") - first + 1);
}

std::string Upper(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    return text;
}

}  // namespace

std::string OnMedium(const std::string& relative) { return StartDirectory() + relative; }

std::string Shown(const std::string& relative) {
    std::string shown = relative;
    std::replace(shown.begin(), shown.end(), '\\', '/');
    return shown;
}

bool MediumFileExists(const std::string& relative) { return vcl::FileExists(OnMedium(relative)); }

bool MediumFolderExists(const std::string& relative) {
    return vcl::DirectoryExists(OnMedium(relative));
}

bool ReadMediumFile(const std::string& relative, std::string& bytes) {
    return MediumFileExists(relative) &&
           vcl::ReadWholeFile(OnMedium(relative), bytes, kMostFileBytes);
}

std::vector<std::string> MediumFiles(const std::string& folder, const std::string& pattern) {
    std::vector<platform::DirectoryEntry> entries;
    std::vector<std::string> names;
    if (platform::CurrentMachine().ListDirectory(OnMedium(folder) + pattern, entries)) {
        for (const auto& entry : entries) {
            if (!entry.IsDirectory()) {
                names.push_back(entry.name);
            }
        }
    }
    return names;
}

std::string IniValue(const std::string& relative, const std::string& section,
                     const std::string& key) {
    return ReadIniString(OnMedium(relative), section, key, "");
}

bool IniHasKey(const std::string& relative, const std::string& section, const std::string& key) {
    return ReadIniString(OnMedium(relative), section, key, kAbsent) != kAbsent;
}

std::vector<std::string> IniKeys(const std::string& relative, const std::string& section) {
    std::string bytes;
    std::vector<std::string> keys;
    if (!ReadMediumFile(relative, bytes)) {
        return keys;
    }
    std::string::size_type start = 0;
    while (start < bytes.size()) {
        auto end = bytes.find('\n', start);
        if (end == std::string::npos) {
            end = bytes.size();
        }
        const std::string line = bytes.substr(start, end - start);
        start = end + 1;
        const auto equals = line.find('=');
        if (equals == std::string::npos) {
            continue;
        }
        const std::string name = Trimmed(line.substr(0, equals));
        const bool seen = std::any_of(keys.begin(), keys.end(),
                                      [&](const std::string& key) { return SameName(key, name); });
        if (!name.empty() && !seen && IniHasKey(relative, section, name)) {
            keys.push_back(name);
        }
    }
    return keys;
}

int HighestNumberedKey(const std::string& relative, const std::string& section, long most) {
    long highest = 0;
    for (const std::string& key : IniKeys(relative, section)) {
        long number = 0;
        if (key.find_first_not_of("0123456789") == std::string::npos && ParseDecimal(key, number) &&
            number <= most) {
            highest = std::max(highest, number);
        }
    }
    return static_cast<int>(highest);
}

std::vector<std::string> FlagLanguageCodes() {
    std::vector<std::string> codes;
    for (const std::string& flag : ListFlagFiles()) {
        codes.push_back(LanguageCodeOf(flag));
    }
    return codes;
}

bool SameName(const std::string& a, const std::string& b) { return Upper(a) == Upper(b); }

std::string FlagValueProblem(const std::string& value, const std::string& readAs) {
    if (value.empty() || value == "TRUE" || value == "FALSE") return "";
    const std::string upper = Upper(Trimmed(value));
    const std::string meant =
        upper == "TRUE" || upper == "FALSE" ? ": write " + upper + " in capitals" : "";
    return "'" + value + "' is neither TRUE nor FALSE in capitals: read as " + readAs + meant;
}

}  // namespace tavrik::mediumcheck
