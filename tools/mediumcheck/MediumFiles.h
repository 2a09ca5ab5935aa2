// The medium as the checks see it: files named relative to its root, read
// through the machine the wizard uses (so through its INI reader and its
// case-insensitive names), and shown with '/' in the findings.
#pragma once

#include <string>
#include <vector>

namespace tavrik::mediumcheck {

// The machine's path of a file of the medium ("ap.ini", "BMP\\valid.bmp").
std::string OnMedium(const std::string& relative);
// The name a finding shows: '/' for '\'.
std::string Shown(const std::string& relative);

bool MediumFileExists(const std::string& relative);
bool MediumFolderExists(const std::string& relative);
// The whole file, when it exists and can be read (at most 64 MB).
bool ReadMediumFile(const std::string& relative, std::string& bytes);
// The names of the files of a folder matching a pattern ("*.bmp"), in the
// order the file system lists them; folders are left out.
std::vector<std::string> MediumFiles(const std::string& folder, const std::string& pattern);

// A key as the wizard reads it: "" when the file, section or key is missing.
std::string IniValue(const std::string& relative, const std::string& section,
                     const std::string& key);
// Whether the key is written in the section at all (an empty value counts).
bool IniHasKey(const std::string& relative, const std::string& section, const std::string& key);
// The keys the section holds: every name written before a '=' in the file
// that the wizard's reader then finds in that section.
std::vector<std::string> IniKeys(const std::string& relative, const std::string& section);

// The highest n, up to `most`, of the keys "n" (1, 2, ...) the section
// holds; 0 for none.
int HighestNumberedKey(const std::string& relative, const std::string& section,
                       long most = 1000000);

// The language codes of the flags the language page shows ("FR", "GB").
std::vector<std::string> FlagLanguageCodes();

// Whether two file or key names are the same to Windows (ASCII letters
// compared without regard to case).
bool SameName(const std::string& a, const std::string& b);

// What is wrong with a flag's value that is neither empty nor TRUE nor
// FALSE in capitals, with how the wizard reads it (readAs: "not TRUE");
// empty for a sound value.
std::string FlagValueProblem(const std::string& value, const std::string& readAs);

}  // namespace tavrik::mediumcheck
