// holdlib.exe LIBRARY: keeps LIBRARY loaded, as a running application
// holds its libraries, until "<this program>.stop" appears beside it (or two
// minutes pass). "<this program>.held" beside it tells a test that the
// library is loaded.
#include <windows.h>

#include <cstdio>
#include <string>

namespace {

std::string BesideProgram(const char* suffix) {
    char path[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    return std::string(path) + suffix;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fputs("usage: holdlib LIBRARY\n", stderr);
        return 2;
    }
    const std::string held = BesideProgram(".held");
    const std::string stop = BesideProgram(".stop");
    DeleteFileA(stop.c_str());
    HMODULE library = LoadLibraryA(argv[1]);
    if (library == nullptr) {
        std::fprintf(stderr, "holdlib: cannot load %s: error %lu\n", argv[1], GetLastError());
        return 3;
    }
    HANDLE mark = CreateFileA(held.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (mark != INVALID_HANDLE_VALUE) CloseHandle(mark);
    for (int tick = 0; tick < 1200 && GetFileAttributesA(stop.c_str()) == INVALID_FILE_ATTRIBUTES;
         ++tick) {
        Sleep(100);
    }
    FreeLibrary(library);
    DeleteFileA(held.c_str());
    DeleteFileA(stop.c_str());
    return 0;
}
