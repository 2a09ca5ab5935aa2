// Installs a machine as the current one for the lifetime of a test scope,
// and leaves none installed afterwards.
#pragma once

#include "platform/Machine.h"

namespace tavrik::platform {

class ScopedCurrentMachine {
public:
    explicit ScopedCurrentMachine(Machine& machine) { SetCurrentMachine(&machine); }
    ~ScopedCurrentMachine() { SetCurrentMachine(nullptr); }
    ScopedCurrentMachine(const ScopedCurrentMachine&) = delete;
    ScopedCurrentMachine& operator=(const ScopedCurrentMachine&) = delete;
};

}  // namespace tavrik::platform
