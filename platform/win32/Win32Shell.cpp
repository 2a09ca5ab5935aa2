// The shell link of the restart page, the shutdown privilege and the restart.
#include <string>
#include <vector>

#include "platform/win32/Win32Api.h"
#include "platform/win32/Win32Machine.h"

namespace tavrik::platform {

namespace {

// The three identifiers the shell link needs, spelled out: the system's GUID
// library would bring its thousands of others into the program.
const GUID kShellLinkClass = {0x00021401, 0, 0, {0xC0, 0, 0, 0, 0, 0, 0, 0x46}};
const GUID kShellLinkAInterface = {0x000214EE, 0, 0, {0xC0, 0, 0, 0, 0, 0, 0, 0x46}};
const GUID kPersistFileInterface = {0x0000010B, 0, 0, {0xC0, 0, 0, 0, 0, 0, 0, 0x46}};

template <typename Function>
Function ProcAddress(HMODULE library, const char* name) {
    // Through the generic function type, which converts to any other.
    return reinterpret_cast<Function>(
        reinterpret_cast<void (*)()>(::GetProcAddress(library, name)));
}

// The component-object library, loaded for the shell link only: the restart
// page is the one user of it, and loading it with the program (with the
// libraries it brings) would cost every start time and memory.
struct ComLibrary {
    HRESULT(WINAPI* initialize)(LPVOID) = nullptr;
    void(WINAPI* uninitialize)() = nullptr;
    HRESULT(WINAPI* createInstance)(REFCLSID, LPUNKNOWN, DWORD, REFIID, LPVOID*) = nullptr;

    // The library's functions, or nullptr when it cannot be loaded.
    static const ComLibrary* Get() {
        static const ComLibrary library = Load();
        return library.initialize != nullptr && library.uninitialize != nullptr &&
                       library.createInstance != nullptr
                   ? &library
                   : nullptr;
    }

private:
    static ComLibrary Load() {
        ComLibrary library;
        // From the system folder, never one found by a search.
        char folder[MAX_PATH];
        const UINT length = ::GetSystemDirectoryA(folder, MAX_PATH);
        if (length == 0 || length >= MAX_PATH) return library;
        HMODULE module = ::LoadLibraryA((std::string(folder, length) + "\\ole32.dll").c_str());
        if (module == nullptr) return library;
        library.initialize = ProcAddress<decltype(initialize)>(module, "CoInitialize");
        library.uninitialize = ProcAddress<decltype(uninitialize)>(module, "CoUninitialize");
        library.createInstance = ProcAddress<decltype(createInstance)>(module, "CoCreateInstance");
        return library;
    }
};

// The component-object library for the current thread, for one operation.
class ComScope {
public:
    explicit ComScope(const ComLibrary& com) : com_(com), result_(com.initialize(nullptr)) {}
    ComScope(const ComScope&) = delete;
    ComScope& operator=(const ComScope&) = delete;
    ~ComScope() {
        // S_FALSE (already initialised here) also counts and must be undone.
        if (SUCCEEDED(result_)) {
            com_.uninitialize();
        }
    }

private:
    const ComLibrary& com_;
    HRESULT result_;
};

// Releases a COM interface when it goes out of scope.
template <typename Interface>
class ComPointer {
public:
    ComPointer() = default;
    ComPointer(const ComPointer&) = delete;
    ComPointer& operator=(const ComPointer&) = delete;
    ~ComPointer() {
        if (pointer_ != nullptr) {
            pointer_->Release();
        }
    }
    Interface* operator->() const { return pointer_; }
    void** out() { return reinterpret_cast<void**>(&pointer_); }

private:
    Interface* pointer_ = nullptr;
};

// The path in the system code page as the wide string the shell wants,
// whole: a cut path would save the link under another name.
bool ToWide(const std::string& text, std::vector<wchar_t>& wide) {
    const int length = ::MultiByteToWideChar(CP_ACP, 0, text.c_str(), -1, nullptr, 0);
    if (length <= 0) {
        return false;
    }
    wide.resize(static_cast<std::size_t>(length));
    return ::MultiByteToWideChar(CP_ACP, 0, text.c_str(), -1, wide.data(), length) == length;
}

}  // namespace

bool Win32Machine::CreateShellLink(const ShellLink& link) {
    std::vector<wchar_t> linkPath;
    if (!ToWide(link.linkPath, linkPath)) {
        return false;
    }
    // Multi-threaded callers may have set up COM another way; the shell link
    // object works in either, so a refused initialisation is not an error.
    const ComLibrary* com = ComLibrary::Get();
    if (com == nullptr) {
        return false;
    }
    ComScope scope(*com);
    ComPointer<IShellLinkA> shellLink;
    if (FAILED(com->createInstance(kShellLinkClass, nullptr, CLSCTX_INPROC_SERVER,
                                   kShellLinkAInterface, shellLink.out()))) {
        return false;
    }
    if (FAILED(shellLink->SetPath(link.targetPath.c_str())) ||
        FAILED(shellLink->SetDescription(link.description.c_str())) ||
        FAILED(shellLink->SetWorkingDirectory(link.workingDirectory.c_str())) ||
        FAILED(shellLink->SetArguments(link.arguments.c_str()))) {
        return false;
    }
    ComPointer<IPersistFile> file;
    if (FAILED(shellLink->QueryInterface(kPersistFileInterface, file.out()))) {
        return false;
    }
    return SUCCEEDED(file->Save(linkPath.data(), TRUE));
}

bool Win32Machine::ReadShellLink(ShellLink& link) {
    std::vector<wchar_t> linkPath;
    const ComLibrary* com = ComLibrary::Get();
    if (!ToWide(link.linkPath, linkPath) || com == nullptr) {
        return false;
    }
    ComScope scope(*com);
    ComPointer<IShellLinkA> shellLink;
    ComPointer<IPersistFile> file;
    if (FAILED(com->createInstance(kShellLinkClass, nullptr, CLSCTX_INPROC_SERVER,
                                   kShellLinkAInterface, shellLink.out())) ||
        FAILED(shellLink->QueryInterface(kPersistFileInterface, file.out())) ||
        FAILED(file->Load(linkPath.data(), STGM_READ))) {
        return false;
    }
    // A field that cannot be read fails the whole: such a link does not
    // count as the one that was written.
    char text[MAX_PATH] = {};
    if (FAILED(shellLink->GetPath(text, MAX_PATH, nullptr, 0))) return false;
    link.targetPath = text;
    if (FAILED(shellLink->GetArguments(text, MAX_PATH))) return false;
    link.arguments = text;
    if (FAILED(shellLink->GetWorkingDirectory(text, MAX_PATH))) return false;
    link.workingDirectory = text;
    if (FAILED(shellLink->GetDescription(text, MAX_PATH))) return false;
    link.description = text;
    return true;
}

namespace {

// The right to restart is held by the account but off until enabled.
// Success with ERROR_NOT_ALL_ASSIGNED means the account lacks it.
void EnableShutdownPrivilege() {
    HANDLE token = nullptr;
    if (!::OpenProcessToken(::GetCurrentProcess(), TOKEN_ADJUST_PRIVILEGES | TOKEN_QUERY, &token)) {
        return;
    }
    TOKEN_PRIVILEGES privileges{};
    privileges.PrivilegeCount = 1;
    privileges.Privileges[0].Attributes = SE_PRIVILEGE_ENABLED;
    if (::LookupPrivilegeValueA(nullptr, "SeShutdownPrivilege", &privileges.Privileges[0].Luid)) {
        ::AdjustTokenPrivileges(token, FALSE, &privileges, 0, nullptr, nullptr);
    }
    ::CloseHandle(token);
}

}  // namespace

bool Win32Machine::Restart() {
    EnableShutdownPrivilege();
    return ::ExitWindowsEx(EWX_REBOOT | EWX_FORCE, 0) != FALSE;
}

}  // namespace tavrik::platform
