// runline.exe LINE_FILE [--hidden]: starts the command line held in the
// first line of LINE_FILE exactly as written, as the wizard starts its
// children (no application name, the line unquoted, this program's current
// directory; --hidden: SW_HIDE), waits for it and prints "exit <code>".
// Wine's launcher would quote arguments with spaces, so the line cannot be
// given on our own command line.
#include <windows.h>

#include <cstdio>
#include <string>

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fputs("usage: runline LINE_FILE [--hidden]\n", stderr);
        return 2;
    }
    std::FILE* file = std::fopen(argv[1], "rb");
    if (file == nullptr) {
        std::fprintf(stderr, "runline: cannot read %s\n", argv[1]);
        return 2;
    }
    std::string line;
    for (int c = std::fgetc(file); c != EOF && c != '\r' && c != '\n'; c = std::fgetc(file)) {
        line += static_cast<char>(c);
    }
    std::fclose(file);

    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    if (argc > 2 && std::string(argv[2]) == "--hidden") {
        startup.dwFlags = STARTF_USESHOWWINDOW;
        startup.wShowWindow = SW_HIDE;
    }
    PROCESS_INFORMATION process = {};
    if (!CreateProcessA(nullptr, &line[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                        &process)) {
        std::fprintf(stderr, "runline: cannot start [%s]: error %lu\n", line.c_str(),
                     GetLastError());
        return 3;
    }
    WaitForSingleObject(process.hProcess, INFINITE);
    DWORD code = 0;
    GetExitCodeProcess(process.hProcess, &code);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    std::printf("exit %ld\n", static_cast<long>(code));
    return 0;
}
