// libFuzzer target for the registry-export reader of the dry run: any file
// is either read into operations, each on a line of the file, or refused
// with its own error; the sanitizers catch any read outside the input.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "tools/dryrun/RegFile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string file(reinterpret_cast<const char*>(data), size);
    try {
        for (const tavrik::dryrun::RegOperation& operation : tavrik::dryrun::ParseRegFile(file)) {
            if (operation.line < 1) std::abort();
        }
    } catch (const tavrik::dryrun::RegFileError& error) {
        if (error.Line() < 0) std::abort();
    }
    return 0;
}
