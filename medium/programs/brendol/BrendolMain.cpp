// brendol.exe: the demo application that the medium installs. It shows its
// version (VSOFT of ..\applic.ini), its dictionary (DICO.TXT beside it) and
// a line from its library, brendolx.dll, which it keeps loaded until its
// window is closed: while it runs the library is in use, as a real
// application's would be.
#include <windows.h>

#include <string>

namespace {

constexpr const char* kWindowClass = "BrendolDemo";

std::string ProgramFolder() {
    char path[MAX_PATH + 1] = {};
    const DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
    const std::string program(path, length);
    return program.substr(0, program.find_last_of('\\') + 1);
}

std::string IniText(const std::string& path, const char* section, const char* key) {
    char value[256] = {};
    GetPrivateProfileStringA(section, key, "", value, sizeof value, path.c_str());
    return value;
}

// The 17-byte reference the wizard writes, "Dico=THESAUxx.DBZ".
std::string Dictionary(const std::string& folder) {
    HANDLE file = CreateFileA((folder + "DICO.TXT").c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                              OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return "no DICO.TXT";
    char text[18] = {};
    DWORD read = 0;
    ReadFile(file, text, 17, &read, nullptr);
    CloseHandle(file);
    return std::string(text, read);
}

LRESULT CALLBACK WindowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_DESTROY) {
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int show) {
    const std::string folder = ProgramFolder();
    HMODULE library = LoadLibraryA((folder + "brendolx.dll").c_str());
    using Greeting = const char* (*)();
    const auto greeting = library ? reinterpret_cast<Greeting>(reinterpret_cast<void*>(
                                        GetProcAddress(library, "BrendolxGreeting")))
                                  : nullptr;
    std::string version = IniText(folder + "..\\applic.ini", "APPLICATION", "VSOFT");
    if (version.empty()) version = "(no version)";
    const std::string text = "Brendol " + version + "\r\n" +
                             (greeting ? greeting() : "brendolx.dll cannot be loaded") + "\r\n" +
                             Dictionary(folder);

    WNDCLASSA windowClass = {};
    windowClass.lpfnWndProc = WindowProcedure;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    windowClass.lpszClassName = kWindowClass;
    RegisterClassA(&windowClass);
    HWND window =
        CreateWindowExA(0, kWindowClass, ("Brendol " + version).c_str(),
                        WS_OVERLAPPEDWINDOW & ~(WS_MAXIMIZEBOX | WS_THICKFRAME), CW_USEDEFAULT,
                        CW_USEDEFAULT, 380, 140, nullptr, nullptr, instance, nullptr);
    CreateWindowExA(0, "STATIC", text.c_str(), WS_CHILD | WS_VISIBLE, 12, 12, 350, 80, window,
                    nullptr, instance, nullptr);
    ShowWindow(window, show);

    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    if (library) FreeLibrary(library);
    return 0;
}
