// libFuzzer target for the INI reading of the in-memory machine: any file,
// asked for the keys the wizard reads and for the first section and key the
// file itself names, gives a value on one line, the same at each asking;
// the sanitizers catch any read outside the input.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <utility>
#include <vector>

#include "platform/fake/IniParser.h"

namespace {

// The first "[section]" of the file and the first "key=" after it, as
// written (the reader trims them itself).
std::pair<std::string, std::string> FirstNames(const std::string& file) {
    const std::size_t open = file.find('[');
    const std::size_t close = file.find(']', open == std::string::npos ? 0 : open);
    if (open == std::string::npos || close == std::string::npos) return {};
    const std::size_t line = file.find_first_of("\r\n", close);
    const std::size_t equals = file.find('=', line == std::string::npos ? close : line);
    if (line == std::string::npos || equals == std::string::npos)
        return {file.substr(open + 1, close - open - 1), ""};
    return {file.substr(open + 1, close - open - 1), file.substr(line + 1, equals - line - 1)};
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string file(reinterpret_cast<const char*>(data), size);
    std::vector<std::pair<std::string, std::string>> asked = {
        {"INSTALL_COMPOSANTS", "NB"}, {"DLL_TEST", "NB"},         {"WAIT", "NB"},
        {"APPLICATION", "PATH"},      {"INSTALL", "INDEPENDANT"}, {"", ""}};
    asked.push_back(FirstNames(file));
    for (const auto& [section, key] : asked) {
        const std::string value = tavrik::platform::ReadIniValue(file, section, key, " none ");
        if (value.find_first_of("\r\n") != std::string::npos) std::abort();
        if (tavrik::platform::ReadIniValue(file, section, key, " none ") != value) std::abort();
    }
    return 0;
}
