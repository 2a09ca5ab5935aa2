// Raised by the fake machine's test knobs when a test asks for a set-up that
// cannot exist (an unknown drive, a malformed path, a missing file to
// lock). The Machine operations themselves never raise it: they fail the way
// Windows fails.
#pragma once

#include <stdexcept>
#include <string>

namespace tavrik::platform {

class FakeSetupError : public std::runtime_error {
public:
    explicit FakeSetupError(const std::string& what) : std::runtime_error(what) {}
};

}  // namespace tavrik::platform
