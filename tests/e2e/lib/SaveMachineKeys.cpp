// savehklm.exe FILE: writes every key and value of HKEY_LOCAL_MACHINE to
// FILE, for the scenarios' before-and-after comparison of the machine. Under
// Wine the server writes the branch itself, in its registry text format, in
// a tenth of a second; reading it key by key (reg export) takes seconds.
// Volatile keys (the hardware description) are not saved.
#include <windows.h>

#include <cstdio>

namespace {

// Saving a branch needs the backup privilege, which an administrator holds
// but has not enabled.
bool EnableBackupPrivilege() {
    HANDLE token = nullptr;
    if (!OpenProcessToken(GetCurrentProcess(), TOKEN_ADJUST_PRIVILEGES | TOKEN_QUERY, &token)) {
        return false;
    }
    TOKEN_PRIVILEGES privileges = {};
    privileges.PrivilegeCount = 1;
    privileges.Privileges[0].Attributes = SE_PRIVILEGE_ENABLED;
    const bool done =
        LookupPrivilegeValueA(nullptr, "SeBackupPrivilege", &privileges.Privileges[0].Luid) &&
        AdjustTokenPrivileges(token, FALSE, &privileges, 0, nullptr, nullptr) &&
        GetLastError() == ERROR_SUCCESS;
    CloseHandle(token);
    return done;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fputs("usage: savehklm FILE\n", stderr);
        return 2;
    }
    if (!EnableBackupPrivilege()) {
        std::fprintf(stderr, "savehklm: no backup privilege: error %lu\n", GetLastError());
        return 3;
    }
    // The save creates its file and refuses one that exists.
    DeleteFileA(argv[1]);
    const LONG status = RegSaveKeyA(HKEY_LOCAL_MACHINE, argv[1], nullptr);
    if (status != ERROR_SUCCESS) {
        std::fprintf(stderr, "savehklm: cannot save HKLM to %s: error %ld\n", argv[1], status);
        return 3;
    }
    return 0;
}
