// libFuzzer target for the dictionary source compiler: any source either
// compiles to a content that the writer takes and the reader reads back
// phrase for phrase, or is refused with at least one diagnostic.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "lx32/ByteSource.h"
#include "lx32/DbzReader.h"
#include "lx32/DbzWriter.h"
#include "lx32/compiler/DictionaryCompiler.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const tavrik::lx::CompileResult result =
        tavrik::lx::CompileDictionary(std::string_view(reinterpret_cast<const char*>(data), size));
    if (!result.ok) {
        if (result.diagnostics.empty()) std::abort();
        return 0;
    }
    std::string bytes;
    if (!tavrik::lx::WriteDbz(result.content, bytes)) std::abort();
    const tavrik::lx::MemoryByteSource source(bytes.data(), bytes.size());
    const auto dictionary = tavrik::lx::DbzDictionary::Open(source);
    if (!dictionary || dictionary->PhraseCount() != result.content.phrases.size()) std::abort();
    for (const tavrik::lx::DbzPhrase& phrase : result.content.phrases) {
        std::string text;
        if (!dictionary->FindPhrase(phrase.number, text) || text != phrase.text) std::abort();
    }
    return 0;
}
