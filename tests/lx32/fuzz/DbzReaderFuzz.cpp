// libFuzzer target for the .DBZ reader. Every input is read twice, from
// memory and from a file, and both readings must agree; the sanitizers catch
// any read outside the input.
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "lx32/ByteOrder.h"
#include "lx32/DbzLayout.h"
#include "lx32/DbzReader.h"
#include "lx32/FileByteSource.h"

namespace {

using tavrik::lx::ByteSource;
using tavrik::lx::DbzDictionary;

// The numbers worth asking for: those the index claims to hold, and a few
// that are never valid.
std::vector<std::uint32_t> NumbersToAsk(const std::uint8_t* data, std::size_t size) {
    std::vector<std::uint32_t> numbers = {0, 1, 278, 0x7FFFFFFF, 0xFFFFFFFF};
    if (size < tavrik::lx::kHeaderSize) {
        return numbers;
    }
    const std::uint64_t index = tavrik::lx::LoadLe32(data + tavrik::lx::kIndexOffsetOffset);
    for (std::uint64_t at = index; at + 4 <= size && numbers.size() < 70;
         at += tavrik::lx::kEntrySize) {
        const std::uint32_t number = tavrik::lx::LoadLe32(data + at);
        numbers.push_back(number);
        numbers.push_back(number + 1);
    }
    return numbers;
}

// Everything the reader answers for one source, as text.
std::string Reading(const ByteSource& source, const std::vector<std::uint32_t>& numbers) {
    const auto dictionary = DbzDictionary::Open(source);
    if (!dictionary) {
        return "none";
    }
    std::string reading = std::string(dictionary->Font()) + "|" +
                          std::to_string(dictionary->Charset()) + "|" +
                          std::to_string(dictionary->CodePage());
    for (std::uint32_t number : numbers) {
        std::string text;
        reading += dictionary->FindPhrase(number, text) ? "|" + text : "|-";
    }
    return reading;
}

const std::string& ScratchFile() {
    static const std::string path = [] {
        const char* folder = std::getenv("TMPDIR");
        return std::string(folder != nullptr ? folder : "/tmp") + "/lx32-fuzz-" +
               std::to_string(::getpid()) + ".DBZ";
    }();
    return path;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::vector<std::uint32_t> numbers = NumbersToAsk(data, size);
    const std::string fromMemory = Reading(tavrik::lx::MemoryByteSource(data, size), numbers);

    std::FILE* scratch = std::fopen(ScratchFile().c_str(), "wb");
    if (scratch == nullptr || std::fwrite(data, 1, size, scratch) != size ||
        std::fclose(scratch) != 0) {
        std::perror("lx32 fuzzer: cannot write its scratch file");
        std::abort();
    }
    const std::string fromFile =
        Reading(tavrik::lx::FileByteSource(ScratchFile().c_str()), numbers);
    std::remove(ScratchFile().c_str());
    if (fromMemory != fromFile) {
        std::fprintf(stderr, "memory and file readings differ:\n%s\n%s\n", fromMemory.c_str(),
                     fromFile.c_str());
        std::abort();
    }
    return 0;
}
