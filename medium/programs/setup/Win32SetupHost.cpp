#include "Win32SetupHost.h"

#include <windows.h>

#include <vector>

#include "FileTree.h"

namespace tavrik::setup {

namespace {

constexpr const char* kProductKey = "SOFTWARE\\NORVA\\BRENDOL_PC";

// A path or folder name of any length: grows the buffer until it fits.
template <typename Call>
std::string GrowingRead(Call call) {
    std::vector<char> buffer(MAX_PATH + 1);
    while (true) {
        const DWORD length = call(buffer.data(), static_cast<DWORD>(buffer.size()));
        if (length < buffer.size()) return std::string(buffer.data(), length);
        buffer.resize(length + 1);
    }
}

std::string FolderOf(const std::string& path) {
    return path.substr(0, path.find_last_of('\\') + 1);
}

}  // namespace

SetupHost::PathKind Win32SetupHost::KindOf(const std::string& path) {
    const DWORD attributes = GetFileAttributesA(path.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) return PathKind::None;
    return (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0 ? PathKind::Folder : PathKind::File;
}

bool Win32SetupHost::Write(const std::string& path, const std::string& bytes) {
    // Shared for deletion: the wizard deletes a marker while we may hold it.
    HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_DELETE,
                              nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    DWORD written = 0;
    const bool ok =
        ::WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) != 0 &&
        written == bytes.size();
    CloseHandle(file);
    return ok;
}

bool Win32SetupHost::Delete(const std::string& path) { return DeleteFileA(path.c_str()) != 0; }

bool Win32SetupHost::CopyFolder(const std::string& from, const std::string& to, int& copied,
                                std::string& error) {
    return CopyTree(from, to, copied, error);
}

bool Win32SetupHost::RemoveFolder(const std::string& folder, std::string& error) {
    return RemoveTree(folder, error);
}

std::string Win32SetupHost::FullPath(const std::string& path) {
    const std::string full = GrowingRead([&](char* buffer, DWORD size) {
        return GetFullPathNameA(path.c_str(), size, buffer, nullptr);
    });
    return full.empty() ? path : full;
}

std::string Win32SetupHost::IniValue(const std::string& path, const std::string& section,
                                     const std::string& key) {
    std::vector<char> buffer(256);
    while (true) {
        const DWORD length =
            GetPrivateProfileStringA(section.c_str(), key.c_str(), "", buffer.data(),
                                     static_cast<DWORD>(buffer.size()), path.c_str());
        if (length + 1 < buffer.size()) return std::string(buffer.data(), length);
        buffer.resize(buffer.size() * 2);  // cut short: read again with more room
    }
}

std::string Win32SetupHost::ProgramFolder() {
    // GetModuleFileNameA truncates instead of telling the length it needs.
    std::vector<char> buffer(MAX_PATH + 1);
    while (true) {
        const DWORD length =
            GetModuleFileNameA(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
        if (length < buffer.size()) return FolderOf(std::string(buffer.data(), length));
        buffer.resize(buffer.size() * 2);
    }
}

std::string Win32SetupHost::TempFolder() {
    return GrowingRead([](char* buffer, DWORD size) { return GetTempPathA(size, buffer); });
}

std::string Win32SetupHost::ProductValue(const std::string& name) {
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, kProductKey, 0, KEY_QUERY_VALUE, &key) != ERROR_SUCCESS) {
        return {};
    }
    DWORD type = 0;
    DWORD size = 0;
    std::string value;
    if (RegQueryValueExA(key, name.c_str(), nullptr, &type, nullptr, &size) == ERROR_SUCCESS &&
        type == REG_SZ) {
        std::vector<char> data(size + 1, '\0');
        if (RegQueryValueExA(key, name.c_str(), nullptr, &type,
                             reinterpret_cast<BYTE*>(data.data()), &size) == ERROR_SUCCESS) {
            value = data.data();  // stops at the terminator, stored or not
        }
    }
    RegCloseKey(key);
    return value;
}

bool Win32SetupHost::SetProductValue(const std::string& name, const std::string& value) {
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, kProductKey, 0, KEY_SET_VALUE, &key) != ERROR_SUCCESS) {
        return false;
    }
    const LONG status =
        RegSetValueExA(key, name.c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                       static_cast<DWORD>(value.size() + 1));
    // The wizard reads the value as soon as this process has ended.
    RegFlushKey(key);
    RegCloseKey(key);
    return status == ERROR_SUCCESS;
}

void Win32SetupHost::Sleep(int ms) { ::Sleep(static_cast<DWORD>(ms)); }

unsigned Win32SetupHost::Milliseconds() { return GetTickCount(); }

void Win32SetupHost::Crash() {
    // Unhandled, as a faulty program ends; the log keeps "not finished".
    RaiseException(EXCEPTION_ACCESS_VIOLATION, EXCEPTION_NONCONTINUABLE, 0, nullptr);
}

}  // namespace tavrik::setup
