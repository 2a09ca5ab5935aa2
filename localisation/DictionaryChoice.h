// The default dictionary before the user picks a language: the installed
// application's language when there is one, else the PC's.
#pragma once

#include <string>

namespace tavrik {

// A 17-character dictionary reference such as "DICO=THESAUFR.DBZ": the
// first 17 bytes of the installed application's DICO.TXT when that file
// exists and can be read, otherwise "DICO=THESAU" + the code of the system
// default locale's language + ".DBZ".
std::string GetDicoTxt();

// The dictionary code for an ISO 639 language name, from the medium's
// CodeAssOS.ini; "FR" when it has none.
std::string DetectLanguageCode(const std::string& isoLanguageName);

}  // namespace tavrik
