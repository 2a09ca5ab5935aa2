// Hands out the fake machine's kernel handle values: distinct, never zero,
// never reused, multiples of four like Windows' own.
#pragma once

#include "platform/Machine.h"

namespace tavrik::platform {

class HandleCounter {
public:
    Handle Next() {
        const Handle handle = next_;
        next_ += 4;
        return handle;
    }

private:
    Handle next_ = 0x100;
};

}  // namespace tavrik::platform
