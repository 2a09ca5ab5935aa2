#include "lx32/CurrentDirectory.h"

#include <unistd.h>

namespace tavrik::lx {

bool CurrentDirectory(char* buffer, std::size_t capacity) noexcept {
    return capacity > 0 && ::getcwd(buffer, capacity) != nullptr;
}

}  // namespace tavrik::lx
