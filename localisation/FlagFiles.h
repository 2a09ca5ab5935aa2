// The language flags on the medium: one bitmap per language in the
// dictionary folder, numbered from 1 in the order the file system lists
// them. The page has one button per flag, so only the first 30 count.
#pragma once

#include <string>
#include <vector>

namespace tavrik {

constexpr int kMaxFlags = 30;

// StartDirectory + "BRENDOL\DICO\".
std::string FlagFolder();

// Full paths of the flag bitmaps (ordinary files only), in listing order,
// at most kMaxFlags of them; empty when the folder has none or cannot be
// read.
std::vector<std::string> ListFlagFiles();

// The flag number held as decimal text by SelectedLanguage; 0 (no flag)
// for text that is not a number in 1..kMaxFlags.
int FlagNumberOf(const std::string& text);

}  // namespace tavrik
