// The shell link of the restart page, the shutdown privilege and the restart.
#include <string>
#include <vector>

#include "platform/win32/Win32Api.h"
#include "platform/win32/Win32Machine.h"

namespace tavrik::platform {

namespace {

// The component-object library for the current thread, for one operation.
class ComScope {
public:
    ComScope() : result_(::CoInitialize(nullptr)) {}
    ComScope(const ComScope&) = delete;
    ComScope& operator=(const ComScope&) = delete;
    ~ComScope() {
        // S_FALSE (already initialised here) also counts and must be undone.
        if (SUCCEEDED(result_)) {
            ::CoUninitialize();
        }
    }

private:
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
    ComScope com;
    ComPointer<IShellLinkA> shellLink;
    if (FAILED(::CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA,
                                  shellLink.out()))) {
        return false;
    }
    if (FAILED(shellLink->SetPath(link.targetPath.c_str())) ||
        FAILED(shellLink->SetDescription(link.description.c_str())) ||
        FAILED(shellLink->SetWorkingDirectory(link.workingDirectory.c_str())) ||
        FAILED(shellLink->SetArguments(link.arguments.c_str()))) {
        return false;
    }
    ComPointer<IPersistFile> file;
    if (FAILED(shellLink->QueryInterface(IID_IPersistFile, file.out()))) {
        return false;
    }
    return SUCCEEDED(file->Save(linkPath.data(), TRUE));
}

bool Win32Machine::EnableShutdownPrivilege() {
    HANDLE token = nullptr;
    if (!::OpenProcessToken(::GetCurrentProcess(), TOKEN_ADJUST_PRIVILEGES | TOKEN_QUERY, &token)) {
        return false;
    }
    TOKEN_PRIVILEGES privileges{};
    privileges.PrivilegeCount = 1;
    privileges.Privileges[0].Attributes = SE_PRIVILEGE_ENABLED;
    bool enabled = false;
    if (::LookupPrivilegeValueA(nullptr, "SeShutdownPrivilege", &privileges.Privileges[0].Luid)) {
        // Success with ERROR_NOT_ALL_ASSIGNED means the account lacks it.
        enabled = ::AdjustTokenPrivileges(token, FALSE, &privileges, 0, nullptr, nullptr) &&
                  ::GetLastError() == ERROR_SUCCESS;
    }
    ::CloseHandle(token);
    return enabled;
}

bool Win32Machine::ExitWindows(unsigned flags, unsigned reason) {
    return ::ExitWindowsEx(flags, reason) != FALSE;
}

}  // namespace tavrik::platform
