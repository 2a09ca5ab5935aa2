// How the Windows version is read: the extended record first, which carries
// the service pack, then the basic one for a system that refuses the
// extended size. Shared by the real machine and the in-memory one, so that
// the fallback the wizard relies on is the same on both.
#pragma once

#include <cstdint>

#include "platform/Machine.h"

namespace tavrik::platform {

// The size fields of OSVERSIONINFOEXA and OSVERSIONINFOA.
constexpr std::uint32_t kOsVersionExSize = 156;
constexpr std::uint32_t kOsVersionSize = 148;

// readRecord(recordSize, version) fills version from the record of that
// size, false when the system refuses it.
template <typename ReadRecord>
bool ReadVersionFromEitherRecord(ReadRecord readRecord, OsVersion& version) {
    if (readRecord(kOsVersionExSize, version)) {
        return true;
    }
    version = OsVersion{};
    return readRecord(kOsVersionSize, version);
}

}  // namespace tavrik::platform
