// The dictionaries the benchmarks read: a small one like a real language and
// a generated one of 130,000 phrases.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace tavrik::lx::bench {

struct BenchDictionary {
    std::string path;
    std::vector<std::uint32_t> numbers;  // the numbers it holds, in a shuffled order
};

// Writes the dictionary of `phraseCount` phrases into `folder`; an empty path
// when it cannot be written.
BenchDictionary WriteBenchDictionary(const std::string& folder, const std::string& name,
                                     std::uint32_t phraseCount);

}  // namespace tavrik::lx::bench
