#include "Finding.h"

#include <utility>

namespace tavrik::mediumcheck {

void Findings::Add(Severity severity, std::string file, std::string section, std::string key,
                   std::string message) {
    all_.push_back(
        {severity, std::move(file), std::move(section), std::move(key), std::move(message)});
}

void Findings::Error(std::string file, std::string section, std::string key, std::string message) {
    Add(Severity::Error, std::move(file), std::move(section), std::move(key), std::move(message));
}

void Findings::Note(std::string file, std::string section, std::string key, std::string message) {
    Add(Severity::Note, std::move(file), std::move(section), std::move(key), std::move(message));
}

void Findings::Warning(std::string file, std::string section, std::string key,
                       std::string message) {
    Add(Severity::Warning, std::move(file), std::move(section), std::move(key), std::move(message));
}

}  // namespace tavrik::mediumcheck
