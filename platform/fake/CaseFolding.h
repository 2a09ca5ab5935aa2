// Case-insensitive name comparison as Windows does it for file, registry,
// environment and INI names: each byte of the Western code page (1252) is
// taken to its Unicode code unit, upper-cased, and the units are compared
// in order (the "ordinal ignore case" rule NTFS also sorts directories by).
#pragma once

#include <cstdint>
#include <string>

namespace tavrik::platform {

// The upper-case Unicode code unit of one code-page-1252 byte.
std::uint16_t UpperCodeUnit(unsigned char byte);

// A key whose plain byte order is the ordinal case-insensitive order of the
// names; two names are equal without regard to case exactly when their keys
// are equal.
std::string CaseFoldedKey(const std::string& name);

bool EqualsIgnoringCase(const std::string& a, const std::string& b);

}  // namespace tavrik::platform
