// dbzc: compiles a UTF-8 dictionary source into a .DBZ dictionary.
//   dbzc SOURCE.txt OUTPUT.DBZ
// Exit 0 on success (and for --help), 1 when the source has errors or a file
// cannot be read or written, 2 on wrong usage. A failed run leaves OUTPUT as it was.
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <string>

#include "lx32/DbzWriter.h"
#include "lx32/compiler/DictionaryCompiler.h"

namespace {

bool ReadWholeFile(const std::string& path, std::string& contents) {
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (file == nullptr) {
        return false;
    }
    char buffer[65536];
    std::size_t got = 0;
    while ((got = std::fread(buffer, 1, sizeof buffer, file)) > 0) {
        contents.append(buffer, got);
    }
    const bool ok = std::ferror(file) == 0;
    std::fclose(file);
    return ok;
}

// Writes beside the target and renames over it, so that a reader never sees
// a half-written dictionary and a failure keeps the previous one.
bool ReplaceFile(const std::string& path, const std::string& contents) {
    const std::string temporary = path + ".tmp";
    std::FILE* file = std::fopen(temporary.c_str(), "wb");
    if (file == nullptr) {
        return false;
    }
    const bool written = std::fwrite(contents.data(), 1, contents.size(), file) == contents.size();
    const bool closed = std::fclose(file) == 0;
    if (!written || !closed || std::rename(temporary.c_str(), path.c_str()) != 0) {
        const int error = errno;
        std::remove(temporary.c_str());
        errno = error;
        return false;
    }
    return true;
}

const char* const kUsage =
    "usage: dbzc SOURCE.txt OUTPUT.DBZ\n"
    "  compiles a UTF-8 dictionary source into a .DBZ dictionary (lx32/README.md)\n";

}  // namespace

int main(int argc, char** argv) {
    if (argc == 2 && (std::strcmp(argv[1], "--help") == 0 || std::strcmp(argv[1], "-h") == 0)) {
        std::fputs(kUsage, stdout);
        return 0;
    }
    if (argc != 3) {
        std::fputs(kUsage, stderr);
        return 2;
    }
    const std::string sourcePath = argv[1];
    const std::string outputPath = argv[2];

    std::string source;
    if (!ReadWholeFile(sourcePath, source)) {
        std::fprintf(stderr, "dbzc: cannot read %s: %s\n", sourcePath.c_str(),
                     std::strerror(errno));
        return 1;
    }
    const tavrik::lx::CompileResult result = tavrik::lx::CompileDictionary(source);
    for (const tavrik::lx::Diagnostic& diagnostic : result.diagnostics) {
        std::fprintf(stderr, "%s\n", tavrik::lx::FormatDiagnostic(sourcePath, diagnostic).c_str());
    }
    if (!result.ok) {
        return 1;
    }
    std::string bytes;
    if (!tavrik::lx::WriteDbz(result.content, bytes)) {
        std::fprintf(stderr, "%s: the dictionary exceeds the limits of the file format\n",
                     sourcePath.c_str());
        return 1;
    }
    if (!ReplaceFile(outputPath, bytes)) {
        std::fprintf(stderr, "dbzc: cannot write %s: %s\n", outputPath.c_str(),
                     std::strerror(errno));
        return 1;
    }
    return 0;
}
