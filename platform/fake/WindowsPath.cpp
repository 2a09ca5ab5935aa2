#include "platform/fake/WindowsPath.h"

#include <algorithm>

namespace tavrik::platform {

namespace {

constexpr std::size_t kMaxNameLength = 255;

bool IsSeparator(char c) { return c == '\\' || c == '/'; }

bool IsDriveLetter(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }

char UpperDrive(char c) { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c; }

bool StartsWithDrive(const std::string& path) {
    return path.size() >= 2 && IsDriveLetter(path[0]) && path[1] == ':';
}

std::vector<std::string> SplitNames(const std::string& text) {
    std::vector<std::string> names;
    std::string current;
    for (const char c : text) {
        if (IsSeparator(c)) {
            names.push_back(current);
            current.clear();
        } else {
            current.push_back(c);
        }
    }
    names.push_back(current);
    return names;
}

// Windows drops a single trailing dot of an inner name ("dir." is "dir")
// and every trailing dot and space of the last name.
std::string TrimName(std::string name, bool isLast) {
    if (name == "." || name == "..") {
        return name;
    }
    if (isLast) {
        while (!name.empty() && (name.back() == '.' || name.back() == ' ')) {
            name.pop_back();
        }
    } else if (name.size() >= 2 && name.back() == '.' && name[name.size() - 2] != '.') {
        name.pop_back();
    }
    return name;
}

}  // namespace

std::string WindowsPath::ToString() const {
    std::string text{drive, ':', '\\'};
    for (std::size_t i = 0; i < components.size(); ++i) {
        if (i > 0) {
            text.push_back('\\');
        }
        text += components[i];
    }
    return text;
}

WindowsPath WindowsPath::Parent() const {
    WindowsPath parent{drive, components, false};
    if (!parent.components.empty()) {
        parent.components.pop_back();
    }
    return parent;
}

WindowsPath WindowsPath::Child(const std::string& name) const {
    WindowsPath child{drive, components, false};
    child.components.push_back(name);
    return child;
}

bool IsValidFileName(const std::string& name) {
    if (name.empty() || name.size() > kMaxNameLength) {
        return false;
    }
    return std::none_of(name.begin(), name.end(), [](char c) {
        const auto byte = static_cast<unsigned char>(c);
        return byte < 32 || c == '<' || c == '>' || c == ':' || c == '"' || c == '|' || c == '?' ||
               c == '*' || c == '\\' || c == '/';
    });
}

std::optional<WindowsPath> ResolveWindowsPath(const std::string& rawPath,
                                              const WindowsPath& currentDirectory) {
    const std::string path = rawPath.substr(0, rawPath.find('\0'));
    if (path.empty() || (path.size() >= 2 && IsSeparator(path[0]) && IsSeparator(path[1]))) {
        return std::nullopt;  // UNC shares and device paths are not drives
    }

    WindowsPath result;
    std::string rest = path;
    if (StartsWithDrive(path)) {
        result.drive = UpperDrive(path[0]);
        rest = path.substr(2);
        if (rest.empty() || !IsSeparator(rest[0])) {
            // "C:name": relative to the current directory when it is on that
            // drive; another drive's own current directory is its root here.
            if (result.drive == currentDirectory.drive) {
                result.components = currentDirectory.components;
            }
        }
    } else {
        result.drive = currentDirectory.drive;
        if (!IsSeparator(path[0])) {
            result.components = currentDirectory.components;
        }
    }

    const std::vector<std::string> names = SplitNames(rest);
    result.trailingSeparator = !rest.empty() && IsSeparator(rest.back());
    for (std::size_t i = 0; i < names.size(); ++i) {
        const bool isLast = i + 1 == names.size();
        const std::string name = TrimName(names[i], isLast);
        if (name.empty() || name == ".") {
            continue;
        }
        if (name == "..") {
            if (!result.components.empty()) {
                result.components.pop_back();
            }
            continue;
        }
        if (!IsValidFileName(name)) {
            return std::nullopt;
        }
        result.components.push_back(name);
    }
    if (result.components.empty()) {
        result.trailingSeparator = false;
    }
    if (result.ToString().size() >= kMaxPath) {
        return std::nullopt;
    }
    return result;
}

void SplitLastName(const std::string& path, std::string& folder, std::string& lastName) {
    const std::size_t separator = path.find_last_of("\\/");
    if (separator != std::string::npos) {
        folder = path.substr(0, separator + 1);
        lastName = path.substr(separator + 1);
    } else if (StartsWithDrive(path)) {
        folder = path.substr(0, 2);
        lastName = path.substr(2);
    } else {
        folder = ".";
        lastName = path;
    }
}

}  // namespace tavrik::platform
