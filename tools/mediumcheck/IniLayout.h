// An INI file of the medium as it is written, line by line: its sections
// and keys in order with their line numbers, as the checks of names need
// them (the wizard's reader answers one key at a time and hides the rest).
#pragma once

#include <string>
#include <vector>

namespace tavrik::mediumcheck {

struct IniLine {
    int line = 0;         // from 1
    std::string section;  // as written, trimmed; empty before the first header
    std::string key;      // empty on a section header
    std::string value;
};

struct IniLayout {
    bool utf8Mark = false;  // the file starts with EF BB BF (left out of the lines)
    // Section headers (key empty) and key lines, in file order.
    std::vector<IniLine> lines;
};

// The layout of the file's bytes, with the wizard's reader's rules: lines
// end at CR or LF, ';' starts a comment, names and values are trimmed.
IniLayout ReadIniLayout(const std::string& bytes);

}  // namespace tavrik::mediumcheck
