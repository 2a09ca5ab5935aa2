// Child processes, the process snapshot and the top-level window list.
#include <string>
#include <vector>

#include "platform/win32/Win32Api.h"
#include "platform/win32/Win32Machine.h"

namespace tavrik::platform {

using win32::FromApi;
using win32::ToHandle;

bool Win32Machine::StartProcess(const std::string& commandLine, const StartOptions& options,
                                ProcessInfo& info) {
    // CreateProcessA may write into the command line it is given.
    std::vector<char> command(commandLine.begin(), commandLine.end());
    command.push_back('\0');

    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    if (options.hidden) {
        startup.dwFlags = STARTF_USESHOWWINDOW;
        startup.wShowWindow = SW_HIDE;
    }
    const DWORD flags = options.newConsole ? CREATE_NEW_CONSOLE : 0;
    const char* directory =
        options.currentDirectory.empty() ? nullptr : options.currentDirectory.c_str();

    const char* application =
        options.applicationName.empty() ? nullptr : options.applicationName.c_str();

    PROCESS_INFORMATION started{};
    if (!::CreateProcessA(application, command.data(), nullptr, nullptr, FALSE, flags, nullptr,
                          directory, &startup, &started)) {
        return false;
    }
    info.process = FromApi(started.hProcess);
    info.thread = FromApi(started.hThread);
    info.processId = started.dwProcessId;
    info.threadId = started.dwThreadId;
    return true;
}

WaitResult Win32Machine::WaitForProcess(Handle process, std::uint32_t timeoutMs) {
    if (process == kNoHandle) {
        return WaitResult::Failed;
    }
    switch (::WaitForSingleObject(ToHandle(process), timeoutMs)) {
        case WAIT_OBJECT_0:
            return WaitResult::Signalled;
        case WAIT_TIMEOUT:
            return WaitResult::TimedOut;
        default:
            return WaitResult::Failed;
    }
}

bool Win32Machine::ProcessExitCode(Handle process, std::uint32_t& exitCode) {
    DWORD code = 0;
    if (process == kNoHandle || !::GetExitCodeProcess(ToHandle(process), &code)) {
        return false;
    }
    exitCode = code;
    return true;
}

bool Win32Machine::CloseHandle(Handle handle) {
    return handle != kNoHandle && ::CloseHandle(ToHandle(handle)) != FALSE;
}

// The handle is never closed: the system releases the mutex when the
// process ends, however it ends.
bool Win32Machine::ClaimSingleInstance(const std::string& name) {
    const HANDLE mutex = ::CreateMutexA(nullptr, FALSE, name.c_str());
    if (mutex == nullptr) {
        return false;
    }
    if (::GetLastError() == ERROR_ALREADY_EXISTS) {
        ::CloseHandle(mutex);
        return false;
    }
    return true;
}

bool Win32Machine::ProcessSnapshot(std::vector<std::string>& exeNames) {
    exeNames.clear();
    const HANDLE snapshot = ::CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS | TH32CS_SNAPTHREAD, 0);
    if (snapshot == INVALID_HANDLE_VALUE) {
        return false;
    }
    PROCESSENTRY32 entry{};
    entry.dwSize = sizeof entry;
    for (BOOL more = ::Process32First(snapshot, &entry); more;
         more = ::Process32Next(snapshot, &entry)) {
        exeNames.emplace_back(entry.szExeFile);
    }
    ::CloseHandle(snapshot);
    return true;
}

std::vector<std::string> Win32Machine::TopLevelWindowTitles() {
    std::vector<std::string> titles;
    const HWND first = ::GetTopWindow(nullptr);
    // The list can change while it is walked; a window seen again ends it.
    for (HWND window = first; window != nullptr && (window != first || titles.empty());
         window = ::GetWindow(window, GW_HWNDNEXT)) {
        char title[1024];
        const int length = ::GetWindowTextA(window, title, sizeof title);
        titles.emplace_back(title, length > 0 ? static_cast<std::size_t>(length) : 0u);
    }
    return titles;
}

}  // namespace tavrik::platform
