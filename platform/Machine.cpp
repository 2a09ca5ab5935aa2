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

}  // namespace tavrik::platform
