#include "install/LicenceFile.h"

#include "util/DictionaryNames.h"

namespace tavrik {

std::string LicenceFileFor(const std::string& dictionaryFileName) {
    std::string code = LanguageCodeOf(dictionaryFileName);
    if (code != "FR" && code != "fr") {
        code = "GB";
    }
    return "cluf_" + code + ".txt";
}

}  // namespace tavrik
