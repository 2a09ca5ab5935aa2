#include "lx32/bench/BenchDictionaries.h"

#include <algorithm>
#include <cstdio>
#include <random>

#include "lx32/DbzWriter.h"

namespace tavrik::lx::bench {

BenchDictionary WriteBenchDictionary(const std::string& folder, const std::string& name,
                                     std::uint32_t phraseCount) {
    DbzContent content;
    content.codePage = 1252;
    content.font = "Arial";
    std::mt19937 random(phraseCount);
    BenchDictionary dictionary;
    for (std::uint32_t i = 0; i < phraseCount; ++i) {
        // Numbers spread like the wizard's (278 to beyond 126,000), texts of
        // a typical phrase's length.
        const auto number = static_cast<std::uint32_t>(278 + i * 7 + random() % 7);
        std::string text = "Phrase " + std::to_string(number) + " of the dictionary";
        text.append(random() % 60, 'x');
        content.phrases.push_back({number, text});
        dictionary.numbers.push_back(number);
    }
    std::shuffle(dictionary.numbers.begin(), dictionary.numbers.end(), random);

    std::string bytes;
    const std::string path = folder + "/" + name;
    std::FILE* file = std::fopen(path.c_str(), "wb");
    const bool written = file != nullptr && WriteDbz(content, bytes) &&
                         std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
    if (file != nullptr && std::fclose(file) == 0 && written) {
        dictionary.path = path;
    }
    return dictionary;
}

}  // namespace tavrik::lx::bench
