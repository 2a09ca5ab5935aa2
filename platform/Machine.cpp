#include "platform/Machine.h"

#include <cstdio>
#include <cstdlib>

namespace tavrik::platform {

namespace {
Machine* current = nullptr;
}

Machine& CurrentMachine() {
    if (current == nullptr) {
        // A programming error, not a run-time condition: every entry point and
        // every test installs its machine first.
        std::fputs("tavrik: no machine installed\n", stderr);
        std::abort();
    }
    return *current;
}

void SetCurrentMachine(Machine* machine) { current = machine; }

void TrimStringAtNul(RegistryValue& value) {
    if (value.type == kRegSz || value.type == kRegExpandSz) {
        const std::string::size_type nul = value.data.find('\0');
        if (nul != std::string::npos) {
            value.data.resize(nul);
        }
    }
}

CriticalErrorBoxesOff::CriticalErrorBoxesOff()
    : previousMode_(CurrentMachine().SwapErrorMode(kCriticalErrorBoxesOffMode)) {}

CriticalErrorBoxesOff::~CriticalErrorBoxesOff() { CurrentMachine().SwapErrorMode(previousMode_); }

}  // namespace tavrik::platform
