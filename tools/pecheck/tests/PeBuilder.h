// Minimal hand-made images for the checker's tests: headers with chosen
// versions and one section holding the import (or delay-load) tables.
#pragma once

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace tavrik::pecheck {

struct PeLayout {
    bool is64Bit = false;
    std::uint16_t machine = 0x14c;
    std::uint16_t subsystemMajor = 5;
    std::uint16_t subsystemMinor = 0;
    std::uint16_t osMajor = 5;
    std::uint16_t osMinor = 0;
    // Per DLL, its functions; "#12" imports ordinal 12.
    std::vector<std::pair<std::string, std::vector<std::string>>> imports;
    bool delayLoaded = false;
    // Exported names; an export table only when there are some.
    std::vector<std::string> exports;
};

std::vector<unsigned char> BuildPe(const PeLayout& layout);

// Where BuildPe put the export table (relative to the section), for tests
// that corrupt it; only meaningful when the layout exports names.
std::size_t ExportTableOffset(const PeLayout& layout);

// Where BuildPe put things, for tests that corrupt them.
constexpr std::size_t kOptionalHeaderOffset = 0x58;
constexpr std::size_t kSectionDataOffset = 0x200;

}  // namespace tavrik::pecheck
