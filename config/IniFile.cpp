#include "config/IniFile.h"

#include "platform/Machine.h"

namespace tavrik {

std::string ReadIniString(const std::string& path, const std::string& section,
                          const std::string& key, const std::string& defaultValue) {
    return platform::CurrentMachine().ReadIniString(path, section, key, defaultValue);
}

}  // namespace tavrik
