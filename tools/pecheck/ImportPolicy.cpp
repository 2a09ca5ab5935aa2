#include "ImportPolicy.h"

#include <algorithm>
#include <cctype>

namespace tavrik::pecheck {

namespace {

std::string Trim(const std::string& text) {
    const auto first = text.find_first_not_of(" \t\r");
    if (first == std::string::npos) {
        return std::string();
    }
    return text.substr(first, text.find_last_not_of(" \t\r") - first + 1);
}

// Windows finds DLLs by name without regard to case.
std::string LowerCase(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

bool Above(unsigned major, unsigned minor, Version highest) {
    return major > highest.major || (major == highest.major && minor > highest.minor);
}

std::string VersionText(unsigned major, unsigned minor) {
    return std::to_string(major) + "." + std::to_string(minor);
}

}  // namespace

bool ImportPolicy::Load(const std::string& list, std::string& error) {
    std::set<std::string>* group = nullptr;
    std::string::size_type start = 0;
    for (int number = 1; start < list.size(); ++number) {
        auto end = list.find('\n', start);
        end = end == std::string::npos ? list.size() : end;
        std::string line = list.substr(start, end - start);
        start = end + 1;
        line = Trim(line.substr(0, line.find('#')));
        if (line.empty()) {
            continue;
        }
        if (line.front() == '[' && line.back() == ']' && line.size() > 2) {
            group = &functionsByDll_[LowerCase(Trim(line.substr(1, line.size() - 2)))];
        } else if (group == nullptr || line.find_first_of(" \t[]") != std::string::npos) {
            error = "line " + std::to_string(number) + ": expected [DLL] or one function name";
            return false;
        } else {
            group->insert(line);
        }
    }
    return true;
}

bool ImportPolicy::Allows(const std::string& dll, const std::string& function) const {
    const auto group = functionsByDll_.find(LowerCase(dll));
    return group != functionsByDll_.end() && group->second.count(function) != 0;
}

std::vector<std::string> CheckImage(const PeImage& image, const ImportPolicy& policy,
                                    Version highest) {
    std::vector<std::string> problems;
    const std::string limit = VersionText(highest.major, highest.minor);
    if (image.is64Bit || image.machine != 0x14c) {
        problems.push_back("not a 32-bit x86 image");
    }
    if (Above(image.subsystemMajor, image.subsystemMinor, highest)) {
        problems.push_back("subsystem version " +
                           VersionText(image.subsystemMajor, image.subsystemMinor) + " is above " +
                           limit);
    }
    if (Above(image.osMajor, image.osMinor, highest)) {
        problems.push_back("OS version " + VersionText(image.osMajor, image.osMinor) +
                           " is above " + limit);
    }
    for (const Import& import : image.imports) {
        const std::string kind = import.delayLoaded ? "delay-loaded import " : "import ";
        if (import.function.empty()) {
            problems.push_back(kind + import.dll + "!#" + std::to_string(import.ordinal) +
                               " is by ordinal and cannot be checked");
        } else if (!policy.Allows(import.dll, import.function)) {
            problems.push_back(kind + import.dll + "!" + import.function +
                               " is not in the list of functions of the oldest system");
        }
    }
    return problems;
}

}  // namespace tavrik::pecheck
