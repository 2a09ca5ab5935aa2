// The pieces of a dictionary reference. `DictionaryFileName` holds either a
// bare name ("THESAUFR.DBZ") or a flag bitmap's full path
// ("E:\BRENDOL\DICO\THESAUFR.bmp"); both name the same dictionary by the
// characters just before their last '.'.
#pragma once

#include <string>

namespace tavrik {

// The 8 characters before the last '.', or "" when there is no '.' or fewer
// than 8 characters before it.
std::string DictionaryNameOf(const std::string& fileName);

// The 2 characters before the last '.', or "" when there is no '.' or fewer
// than 2 characters before it.
std::string LanguageCodeOf(const std::string& fileName);

// The dictionary file name handed to the library: the 8-character name and
// ".DBZ" ("THESAUFR.DBZ"); just ".DBZ" when the name is missing.
std::string DictionaryFileOf(const std::string& fileName);

// Whether a text is a dictionary file name the library can open in its own
// folder: 8 letters or digits and ".DBZ" in any case ("THESAURU.DBZ").
// What a file or the registry hands over (DICO.TXT, the resume record) is
// checked with it: a name cut short names no dictionary, a path another
// folder.
bool IsDictionaryFileName(const std::string& text);

// Characters 6 to 17 (counted from 1) of a dictionary reference
// ("DICO=THESAUFR.DBZ" -> "THESAUFR.DBZ"); shorter when the text is.
std::string DictionaryFileOfReference(const std::string& reference);

}  // namespace tavrik
