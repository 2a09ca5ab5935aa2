// compmark.exe: the demo medium's add-on component. It installs nothing; it
// appends one line to C:\TavrikComponents.txt when it ends, so that tests
// see that it ran, how and where:
//
//   <its command line> TAB <its current directory> TAB hidden|shown TAB <its file>
//
// "hidden" when it was started with SW_HIDE; its file tells which program
// the system really ran for the command line. "/stay=MS" keeps it running
// that long first, so that a waiting starter and one that goes on can be
// told apart by the order of the lines. It shows no window.
#include <windows.h>

#include <cstdlib>
#include <string>

namespace {

constexpr const char* kRecord = "C:\\TavrikComponents.txt";
constexpr DWORD kLongestStayMs = 60000;

DWORD StayMs(const std::string& commandLine) {
    const std::size_t at = commandLine.find("/stay=");
    if (at == std::string::npos) return 0;
    const unsigned long ms = std::strtoul(commandLine.c_str() + at + 6, nullptr, 10);
    return ms < kLongestStayMs ? static_cast<DWORD>(ms) : kLongestStayMs;
}

std::string CurrentDirectory() {
    char folder[MAX_PATH + 1] = {};
    const DWORD length = GetCurrentDirectoryA(MAX_PATH, folder);
    return std::string(folder, length > MAX_PATH ? 0 : length);
}

std::string OwnFile() {
    char file[MAX_PATH + 1] = {};
    const DWORD length = GetModuleFileNameA(nullptr, file, MAX_PATH);
    return std::string(file, length > MAX_PATH ? 0 : length);
}

bool StartedHidden() {
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    GetStartupInfoA(&startup);
    return (startup.dwFlags & STARTF_USESHOWWINDOW) != 0 && startup.wShowWindow == SW_HIDE;
}

// Another component may be appending at the same moment: retry briefly.
void Append(const std::string& line) {
    for (int attempt = 0; attempt < 50; ++attempt) {
        HANDLE file = CreateFileA(kRecord, FILE_APPEND_DATA, FILE_SHARE_READ, nullptr, OPEN_ALWAYS,
                                  FILE_ATTRIBUTE_NORMAL, nullptr);
        if (file != INVALID_HANDLE_VALUE) {
            DWORD written = 0;
            WriteFile(file, line.data(), static_cast<DWORD>(line.size()), &written, nullptr);
            CloseHandle(file);
            return;
        }
        Sleep(20);
    }
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    const std::string commandLine = GetCommandLineA();
    const bool hidden = StartedHidden();
    Sleep(StayMs(commandLine));
    Append(commandLine + "\t" + CurrentDirectory() + "\t" + (hidden ? "hidden" : "shown") + "\t" +
           OwnFile() + "\r\n");
    return 0;
}
