// Shared by the cases that run both against the in-memory machine and
// against the real Windows machine under Wine.
#pragma once

#include <string>

#include "platform/Machine.h"

namespace tavrik::conformance {

// The whole file through the seam, or "<missing>" when it cannot be opened.
inline std::string ReadWholeFile(const std::string& path) {
    auto& machine = platform::CurrentMachine();
    const platform::Handle file =
        machine.OpenFile(path, platform::FileAccess::Read, platform::FileCreation::OpenExisting);
    if (file == platform::kNoHandle) {
        return "<missing>";
    }
    std::string content;
    char buffer[4096];
    for (;;) {
        const std::int64_t read = machine.ReadFile(file, buffer, sizeof buffer);
        if (read <= 0) {
            break;
        }
        content.append(buffer, static_cast<std::size_t>(read));
    }
    machine.CloseFile(file);
    return content;
}

}  // namespace tavrik::conformance
