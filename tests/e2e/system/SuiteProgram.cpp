// Stands in for a program of the served suite during the end-to-end tests:
// it runs, under its own executable name, until a file "<program>.stop"
// appears beside it (or two minutes pass); "<program>.running" beside it
// tells the test that it runs. With "--window TITLE" it also
// owns a top-level window with that title, as the 16-bit program's virtual
// DOS machine does.
#include <windows.h>

#include <string>

namespace {

std::string BesideProgram(const char* suffix) {
    char path[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    return std::string(path) + suffix;
}

void Touch(const std::string& path) {
    HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file != INVALID_HANDLE_VALUE) {
        CloseHandle(file);
    }
}

}  // namespace

int main(int argc, char** argv) {
    HWND window = nullptr;
    if (argc == 3 && std::string(argv[1]) == "--window") {
        window = CreateWindowExA(0, "STATIC", argv[2], WS_OVERLAPPEDWINDOW | WS_VISIBLE, 10, 10,
                                 300, 100, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
    }
    const std::string stop = BesideProgram(".stop");
    const std::string running = BesideProgram(".running");
    DeleteFileA(stop.c_str());
    Touch(running);
    for (int tick = 0; tick < 1200; ++tick) {
        if (GetFileAttributesA(stop.c_str()) != INVALID_FILE_ATTRIBUTES) {
            break;
        }
        MSG message;
        while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
            DispatchMessageA(&message);
        }
        Sleep(100);
    }
    if (window != nullptr) {
        DestroyWindow(window);
    }
    DeleteFileA(stop.c_str());
    DeleteFileA(running.c_str());
    return 0;
}
