#include "config/StartDirectory.h"

#include "platform/Machine.h"

namespace tavrik {

std::string StartDirectory() {
    std::string directory = platform::CurrentMachine().CurrentDirectory();
    if (!directory.empty() && directory.back() != '\\') {
        directory += '\\';
    }
    return directory;
}

}  // namespace tavrik
