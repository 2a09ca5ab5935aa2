// A registry export as `regedit /e` writes it: "REGEDIT4" (ANSI) or
// "Windows Registry Editor Version 5.00" (UTF-16LE with a byte-order mark,
// or ANSI), read into the operations it describes, in file order.
#pragma once

#include <stdexcept>
#include <string>
#include <vector>

#include "platform/Machine.h"

namespace tavrik::dryrun {

enum class RegRoot { LocalMachine, CurrentUser, Other };

struct RegOperation {
    enum class Kind { CreateKey, DeleteKey, SetValue, DeleteValue };
    Kind kind = Kind::CreateKey;
    RegRoot root = RegRoot::LocalMachine;
    std::string rootName;  // as written: "HKEY_USERS", "HKLM"...
    std::string key;       // below the root; empty for the root itself
    std::string name;      // empty for the default value (@)
    platform::RegistryValue value;
    int line = 0;
};

// A file that cannot be read as an export; line counts from 1 (0: the
// file as a whole).
class RegFileError : public std::runtime_error {
public:
    RegFileError(int line, const std::string& message) : std::runtime_error(message), line_(line) {}
    int Line() const { return line_; }

private:
    int line_;
};

// Strings become single-byte text (code page 1252 as far as it reaches; a
// character beyond it becomes '?'), as the wizard reads them.
std::vector<RegOperation> ParseRegFile(const std::string& bytes);

}  // namespace tavrik::dryrun
