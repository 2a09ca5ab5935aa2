#include "lx32/Lx32Api.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <optional>

#include "lx32/CurrentDirectory.h"
#include "lx32/DbzLayout.h"
#include "lx32/DbzReader.h"
#include "lx32/DictionaryFolder.h"
#include "lx32/FileByteSource.h"

// The caller loads and frees the library around every phrase, so loading must
// stay cheap: few imported symbols, no exception support, little static data.
// Calls come from one thread.

namespace {

using tavrik::lx::DbzDictionary;
using tavrik::lx::FileByteSource;

// The file named by the last SetDBZFileFullName, open until the next one or
// until the library is freed.
FileByteSource dictionaryFile;
std::optional<DbzDictionary> dictionary;

// The text of the last lookup, on the heap: a large buffer in static storage
// would cost an extra mapping at every load.
class PhraseBuffer {
public:
    ~PhraseBuffer() { std::free(text_); }
    // Room for `length` bytes and a NUL; null when memory runs out.
    char* Reserve(std::size_t length) noexcept {
        if (length >= capacity_) {
            char* larger = static_cast<char*>(std::realloc(text_, length + 1));
            if (larger == nullptr) {
                return nullptr;
            }
            text_ = larger;
            capacity_ = length + 1;
        }
        return text_;
    }

private:
    char* text_ = nullptr;
    std::size_t capacity_ = 0;
};
PhraseBuffer phrase;

// Long enough for any path the systems open by name.
constexpr std::size_t kPathCapacity = 4096;

bool IsPhraseNumber(long number) noexcept {
    return number >= static_cast<long>(tavrik::lx::kMinPhraseNumber) &&
           static_cast<unsigned long>(number) <= tavrik::lx::kMaxPhraseNumber;
}

}  // namespace

extern "C" {

void LX_API_SetDBZFileFullName(const char* fullPath) {
    dictionary.reset();
    dictionaryFile.Close();
    if (fullPath != nullptr && *fullPath != '\0' && dictionaryFile.Open(fullPath)) {
        dictionary = DbzDictionary::Open(dictionaryFile);
    }
}

const char* LX_API_GetDicoPhrase(long number) {
    tavrik::lx::PhraseLocation location;
    if (!dictionary || !IsPhraseNumber(number) ||
        !dictionary->LocatePhrase(static_cast<std::uint32_t>(number), location)) {
        return "";
    }
    char* text = phrase.Reserve(location.length);
    if (text == nullptr || !dictionary->ReadPhrase(location, text)) {
        return "";
    }
    text[location.length] = '\0';
    return text;
}

void LX_API_getLanguageConfiguration(const char* dbzFileName, char* fontName, const int bufferSize,
                                     int* charset) {
    char path[kPathCapacity];
    if (dbzFileName == nullptr || *dbzFileName == '\0' ||
        !tavrik::lx::CurrentDirectory(path, sizeof path) ||
        !tavrik::lx::AppendDictionaryFile(path, sizeof path, dbzFileName,
                                          tavrik::lx::kPathSeparator)) {
        return;
    }
    FileByteSource file(path);
    const std::optional<DbzDictionary> language = DbzDictionary::Open(file);
    if (!language) {
        return;
    }
    if (fontName != nullptr && bufferSize > 0) {
        const std::string_view font = language->Font();
        const std::size_t length = std::min(font.size(), static_cast<std::size_t>(bufferSize) - 1);
        std::memcpy(fontName, font.data(), length);
        fontName[length] = '\0';
    }
    if (charset != nullptr) {
        *charset = language->Charset();
    }
}

}  // extern "C"
