// What the restart page leaves for the next log-on, seen from another
// process during the end-to-end tests:
//
//   restartwitness link PATH            the shell link's fields, one a line:
//                                       target=, arguments=, working=, description=
//   restartwitness make PATH TARGET WORKING ARGUMENTS
//                                       saves a shell link there, as a
//                                       shortcut left by an earlier run
//   restartwitness watch FILE SECONDS   follows the machine's run-once key and
//                                       appends "Install=<data>" or "Install gone"
//                                       to FILE at each change of the value, until
//                                       it is gone or the time is up; FILE.ready
//                                       appears once it watches
//
// The watcher sees the value even when the system's restart sequence
// consumes it a moment after the wizard wrote it.
#include <objbase.h>
#include <shlobj.h>
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

const char* const kRunOnce = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\RunOnce";

// Runs the action on a shell-link object and its file interface, between
// COM's start and end; 0 when the action succeeded, 3 otherwise.
template <typename Action>
int WithShellLink(const char* path, Action action) {
    CoInitialize(nullptr);
    int status = 3;
    IShellLinkA* link = nullptr;
    if (SUCCEEDED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA,
                                   reinterpret_cast<void**>(&link)))) {
        IPersistFile* file = nullptr;
        wchar_t widePath[MAX_PATH] = {};
        MultiByteToWideChar(CP_ACP, 0, path, -1, widePath, MAX_PATH);
        if (SUCCEEDED(link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file))) &&
            action(*link, *file, widePath)) {
            status = 0;
        }
        if (file != nullptr) file->Release();
        link->Release();
    }
    CoUninitialize();
    return status;
}

int PrintLink(const char* path) {
    return WithShellLink(path, [](IShellLinkA& link, IPersistFile& file, const wchar_t* widePath) {
        if (FAILED(file.Load(widePath, STGM_READ))) return false;
        char text[MAX_PATH] = {};
        link.GetPath(text, MAX_PATH, nullptr, 0);
        std::printf("target=%s\n", text);
        link.GetArguments(text, MAX_PATH);
        std::printf("arguments=%s\n", text);
        link.GetWorkingDirectory(text, MAX_PATH);
        std::printf("working=%s\n", text);
        link.GetDescription(text, MAX_PATH);
        std::printf("description=%s\n", text);
        return true;
    });
}

int MakeLink(const char* path, const char* target, const char* working, const char* arguments) {
    return WithShellLink(path, [&](IShellLinkA& link, IPersistFile& file, const wchar_t* widePath) {
        link.SetPath(target);
        link.SetWorkingDirectory(working);
        link.SetArguments(arguments);
        link.SetDescription("Tavrik");
        return SUCCEEDED(file.Save(widePath, TRUE));
    });
}

// The value's data, or "" with present = false when it is missing.
std::string ReadInstall(HKEY key, bool& present) {
    char data[1024] = {};
    DWORD size = sizeof data - 1;
    DWORD type = 0;
    present = RegQueryValueExA(key, "Install", nullptr, &type, reinterpret_cast<BYTE*>(data),
                               &size) == ERROR_SUCCESS;
    return present ? std::string(data) : std::string();
}

void Append(const std::string& file, const std::string& line) {
    if (FILE* out = std::fopen(file.c_str(), "ab")) {
        std::fprintf(out, "%s\r\n", line.c_str());
        std::fclose(out);
    }
}

int Watch(const std::string& file, DWORD seconds) {
    HKEY key = nullptr;
    if (RegCreateKeyExA(HKEY_LOCAL_MACHINE, kRunOnce, 0, nullptr, 0, KEY_READ | KEY_NOTIFY, nullptr,
                        &key, nullptr) != ERROR_SUCCESS) {
        return 3;
    }
    HANDLE changed = CreateEventA(nullptr, FALSE, FALSE, nullptr);
    const DWORD deadline = GetTickCount() + seconds * 1000;
    bool seen = false;
    bool announced = false;
    std::string last;
    for (;;) {
        RegNotifyChangeKeyValue(key, FALSE, REG_NOTIFY_CHANGE_LAST_SET, changed, TRUE);
        if (!announced) {
            Append(file + ".ready", "watching");
            announced = true;
        }
        bool present = false;
        const std::string data = ReadInstall(key, present);
        if (present && (!seen || data != last)) {
            Append(file, "Install=" + data);
            seen = true;
            last = data;
        } else if (!present && seen) {
            Append(file, "Install gone");
            break;
        }
        const DWORD now = GetTickCount();
        if (static_cast<int>(deadline - now) <= 0) break;
        WaitForSingleObject(changed, deadline - now);
    }
    CloseHandle(changed);
    RegCloseKey(key);
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    const std::string command = argc > 1 ? argv[1] : "";
    if (command == "link" && argc == 3) return PrintLink(argv[2]);
    if (command == "make" && argc == 6) return MakeLink(argv[2], argv[3], argv[4], argv[5]);
    if (command == "watch" && argc == 4) {
        return Watch(argv[2], static_cast<DWORD>(std::strtoul(argv[3], nullptr, 10)));
    }
    std::fprintf(stderr,
                 "usage: restartwitness link PATH | make PATH TARGET WORKING ARGUMENTS"
                 " | watch FILE SECONDS\n");
    return 1;
}
