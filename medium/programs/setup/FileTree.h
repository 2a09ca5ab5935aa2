// Copying and removing whole folders with the calls Windows 2000 has, for
// Win32SetupHost. Folder paths end with a backslash.
#pragma once

#include <string>

namespace tavrik::setup {

// Copies every file under `from` to the same place under `to`, creating
// folders and replacing files, except those KeptWhenPresent finds already
// there. Stops at the first failure, naming the file in `error`.
bool CopyTree(const std::string& from, const std::string& to, int& copied, std::string& error);

// Deletes the folder with everything in it; a missing folder is no failure.
// Stops at the first file or folder that will not go (a file in use).
bool RemoveTree(const std::string& folder, std::string& error);

}  // namespace tavrik::setup
