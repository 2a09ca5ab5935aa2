// Text files the wizard shows or compares as code page 1252 bytes: UTF-8
// saved into them shows as other characters, and a UTF-8 byte-order mark
// as three of them. And their line ends: CR LF, as Windows' own editors
// write and show them.
#include <algorithm>
#include <string>

#include "Checks.h"
#include "IniLayout.h"
#include "MediumFiles.h"
#include "TextEncoding.h"

namespace tavrik::mediumcheck {

namespace {

// At most this much of a text is quoted in a finding.
constexpr std::size_t kQuoted = 60;

std::string Excerpt(const std::string& text, std::size_t at) {
    const std::size_t start = at > kQuoted / 2 ? at - kQuoted / 2 : 0;
    std::size_t end = std::min(text.size(), start + kQuoted);
    // Never cut a UTF-8 character in two.
    while (end < text.size() && (static_cast<unsigned char>(text[end]) & 0xC0) == 0x80) ++end;
    std::size_t from = start;
    while (from > 0 && (static_cast<unsigned char>(text[from]) & 0xC0) == 0x80) --from;
    return text.substr(from, end - from);
}

std::string ShowsInstead(const std::string& text, std::size_t at) {
    const std::string excerpt = Excerpt(text, at);
    return "UTF-8 text in a file read as code page 1252: it reads \"" + ShownIn1252(excerpt) +
           "\" where \"" + excerpt + "\" was meant; save it as code page 1252";
}

// INI files and response files: each value on its own.
void CheckIniText(Findings& findings, const std::string& file) {
    std::string bytes;
    if (!ReadMediumFile(file, bytes)) return;
    for (const IniLine& line : ReadIniLayout(bytes).lines) {
        const std::size_t at = FindUtf8Text(line.value);
        if (!line.key.empty() && at != std::string::npos) {
            findings.Warning(Shown(file), line.section, line.key, ShowsInstead(line.value, at));
        }
    }
}

// A licence text: its first line of UTF-8, by number.
void CheckPlainText(Findings& findings, const std::string& file) {
    std::string bytes;
    if (!ReadMediumFile(file, bytes)) return;
    if (bytes.rfind("\xEF\xBB\xBF", 0) == 0) {
        findings.Warning(file, "", "line 1",
                         "starts with a UTF-8 byte-order mark: page 8 shows \"" +
                             ShownIn1252("\xEF\xBB\xBF") + "\" before the text");
        bytes.erase(0, 3);
    }
    int number = 1;
    for (std::size_t start = 0; start < bytes.size(); ++number) {
        std::size_t end = bytes.find('\n', start);
        if (end == std::string::npos) end = bytes.size();
        const std::string line = bytes.substr(start, end - start);
        const std::size_t at = FindUtf8Text(line);
        if (at != std::string::npos) {
            findings.Warning(file, "", "line " + std::to_string(number), ShowsInstead(line, at));
            return;
        }
        start = end + 1;
    }
}

// The wizard reads a line feed alone as a line end too, but Notepad of
// Windows 2000 and XP shows such a file as one line: told as a note.
void CheckLineEnds(Findings& findings, const std::string& file) {
    std::string bytes;
    if (!ReadMediumFile(file, bytes)) return;
    int number = 1;
    for (std::size_t at = 0; at < bytes.size(); ++at) {
        if (bytes[at] != '\n') continue;
        if (at == 0 || bytes[at - 1] != '\r') {
            findings.Note(Shown(file), "", "line " + std::to_string(number),
                          "ends with a line feed alone: the wizard reads it alike, but Notepad "
                          "of Windows 2000 and XP shows the file as one line; end the lines "
                          "with CR LF");
            return;
        }
        ++number;
    }
}

}  // namespace

void CheckEncodings(Findings& findings) {
    const char* const iniFiles[] = {"tavrik.ini", "ap.ini", "assoAppliFenetre.ini", "install.iss",
                                    "desinst.iss"};
    const char* const otherTexts[] = {"cluf_FR.txt", "cluf_GB.txt", "WAIT\\wait.ini",
                                      "BRENDOL\\DICO\\CodeAssOS.ini", "qxdiag\\updateqxd.vbs"};
    for (const char* file : iniFiles) {
        CheckIniText(findings, file);
        CheckLineEnds(findings, file);
    }
    for (const char* file : {"cluf_FR.txt", "cluf_GB.txt"}) CheckPlainText(findings, file);
    for (const char* file : otherTexts) CheckLineEnds(findings, file);
    const std::string name = IniValue("tavrik.ini", "INSTALL", "NAME");
    if (!name.empty()) CheckLineEnds(findings, name + "\\applic.ini");
}

}  // namespace tavrik::mediumcheck
