// One fault of a medium: how bad it is, and where (file, INI section, key).
#pragma once

#include <string>
#include <vector>

namespace tavrik::mediumcheck {

// An error: the wizard would fail, show a wrong text or an error box, or
// start nothing. A warning: a default of the wizard takes over. A note: the
// medium works as it is, but not everywhere the author may think (it does
// not count towards the exit status).
enum class Severity { Note, Warning, Error };

struct Finding {
    Severity severity = Severity::Error;
    std::string file;     // relative to the medium's root, with '/'
    std::string section;  // empty outside INI files
    std::string key;
    std::string message;
};

class Findings {
public:
    void Error(std::string file, std::string section, std::string key, std::string message);
    void Warning(std::string file, std::string section, std::string key, std::string message);
    void Note(std::string file, std::string section, std::string key, std::string message);
    // Either, by the rule of the caller.
    void Add(Severity severity, std::string file, std::string section, std::string key,
             std::string message);
    const std::vector<Finding>& All() const { return all_; }

private:
    std::vector<Finding> all_;
};

}  // namespace tavrik::mediumcheck
