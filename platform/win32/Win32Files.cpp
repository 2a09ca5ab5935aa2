// Files, folders, raw file handles, INI files, the current directory and the
// environment.
#include <algorithm>
#include <string>
#include <vector>

#include "platform/win32/GrowingBuffer.h"
#include "platform/win32/Win32Api.h"
#include "platform/win32/Win32Machine.h"

namespace tavrik::platform {

using win32::FromApi;
using win32::ToHandle;

namespace {

// One read or write call moves at most this much; larger requests loop.
constexpr std::size_t kLargestTransfer = 1u << 30;

bool HasAttributes(const std::string& path, DWORD& attributes) {
    attributes = ::GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES;
}

}  // namespace

std::string Win32Machine::ReadIniString(const std::string& path, const std::string& section,
                                        const std::string& key, const std::string& defaultValue) {
    // The function reports a value cut to the buffer as exactly size - 1
    // characters, and a value of that length the same way: grow until the
    // result is shorter.
    std::vector<char> buffer(256);
    for (;;) {
        const DWORD size = static_cast<DWORD>(buffer.size());
        const DWORD length = ::GetPrivateProfileStringA(
            section.c_str(), key.c_str(), defaultValue.c_str(), buffer.data(), size, path.c_str());
        if (length + 1 < size || size >= win32::kLargestText) {
            return std::string(buffer.data(), std::min(length, size - 1));
        }
        buffer.resize(buffer.size() * 2);
    }
}

bool Win32Machine::FileExists(const std::string& path) {
    DWORD attributes = 0;
    return HasAttributes(path, attributes) && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

bool Win32Machine::DirectoryExists(const std::string& path) {
    DWORD attributes = 0;
    return HasAttributes(path, attributes) && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

bool Win32Machine::ListDirectory(const std::string& pattern, std::vector<DirectoryEntry>& entries) {
    entries.clear();
    WIN32_FIND_DATAA found{};
    const HANDLE search = ::FindFirstFileA(pattern.c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) {
        return false;
    }
    do {
        entries.push_back(DirectoryEntry{found.cFileName, found.dwFileAttributes});
    } while (::FindNextFileA(search, &found));
    ::FindClose(search);
    return true;
}

bool Win32Machine::CopyFileTo(const std::string& from, const std::string& to, bool failIfExists) {
    return ::CopyFileA(from.c_str(), to.c_str(), failIfExists ? TRUE : FALSE) != FALSE;
}

bool Win32Machine::ClearReadOnly(const std::string& path) {
    const DWORD attributes = ::GetFileAttributesA(path.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) {
        return false;
    }
    if ((attributes & FILE_ATTRIBUTE_READONLY) == 0) {
        return true;
    }
    DWORD kept = attributes & ~static_cast<DWORD>(FILE_ATTRIBUTE_READONLY);
    if (kept == 0) {
        kept = FILE_ATTRIBUTE_NORMAL;
    }
    return ::SetFileAttributesA(path.c_str(), kept) != FALSE;
}

bool Win32Machine::RemoveFile(const std::string& path) {
    return ::DeleteFileA(path.c_str()) != FALSE;
}

bool Win32Machine::RenameFile(const std::string& from, const std::string& to) {
    return ::MoveFileA(from.c_str(), to.c_str()) != FALSE;
}

bool Win32Machine::MakeDirectory(const std::string& path) {
    return ::CreateDirectoryA(path.c_str(), nullptr) != FALSE;
}

Handle Win32Machine::OpenFile(const std::string& path, FileAccess access, FileCreation creation) {
    DWORD desired = 0;
    switch (access) {
        case FileAccess::Read:
            desired = GENERIC_READ;
            break;
        case FileAccess::Write:
            desired = GENERIC_WRITE;
            break;
        case FileAccess::ReadWrite:
            desired = GENERIC_READ | GENERIC_WRITE;
            break;
    }
    const DWORD disposition =
        creation == FileCreation::CreateAlways ? CREATE_ALWAYS : OPEN_EXISTING;
    // Others may read and write meanwhile: support staff read the trace log
    // while the wizard runs.
    const HANDLE file = ::CreateFileA(path.c_str(), desired, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                      nullptr, disposition, FILE_ATTRIBUTE_NORMAL, nullptr);
    return file == INVALID_HANDLE_VALUE ? kNoHandle : FromApi(file);
}

std::int64_t Win32Machine::SeekFile(Handle file, std::int64_t offset, SeekOrigin origin) {
    if (file == kNoHandle) {
        return -1;
    }
    LONG high = static_cast<LONG>(offset >> 32);
    const LONG low = static_cast<LONG>(offset & 0xFFFFFFFF);
    ::SetLastError(NO_ERROR);
    const DWORD newLow = ::SetFilePointer(ToHandle(file), low, &high, static_cast<DWORD>(origin));
    if (newLow == INVALID_SET_FILE_POINTER && ::GetLastError() != NO_ERROR) {
        return -1;
    }
    return (static_cast<std::int64_t>(high) << 32) | newLow;
}

std::int64_t Win32Machine::WriteFile(Handle file, const void* data, std::size_t size) {
    if (file == kNoHandle) {
        return -1;
    }
    const char* bytes = static_cast<const char*>(data);
    std::size_t done = 0;
    do {
        const DWORD chunk = static_cast<DWORD>(std::min(size - done, kLargestTransfer));
        DWORD written = 0;
        if (!::WriteFile(ToHandle(file), bytes + done, chunk, &written, nullptr)) {
            return -1;
        }
        done += written;
        if (written < chunk) {
            break;
        }
    } while (done < size);
    return static_cast<std::int64_t>(done);
}

std::int64_t Win32Machine::ReadFile(Handle file, void* data, std::size_t size) {
    if (file == kNoHandle) {
        return -1;
    }
    char* bytes = static_cast<char*>(data);
    std::size_t done = 0;
    while (done < size) {
        const DWORD chunk = static_cast<DWORD>(std::min(size - done, kLargestTransfer));
        DWORD read = 0;
        if (!::ReadFile(ToHandle(file), bytes + done, chunk, &read, nullptr)) {
            return -1;
        }
        done += read;
        if (read < chunk) {
            break;  // end of file
        }
    }
    return static_cast<std::int64_t>(done);
}

bool Win32Machine::CloseFile(Handle file) { return CloseHandle(file); }

std::string Win32Machine::CurrentDirectory() {
    std::string directory;
    win32::ReadSizedText(
        [](char* buffer, DWORD size) { return ::GetCurrentDirectoryA(size, buffer); }, directory);
    return directory;
}

std::string Win32Machine::SystemDirectory() {
    std::string directory;
    win32::ReadSizedText(
        [](char* buffer, DWORD size) { return ::GetSystemDirectoryA(buffer, size); }, directory);
    if (directory.size() > 3 && directory.back() == '\\') directory.pop_back();
    return directory;
}

std::string Win32Machine::ProgramDirectory() {
    // GetModuleFileName truncates rather than telling the size it needs.
    std::vector<char> path(MAX_PATH);
    DWORD length = 0;
    while ((length = ::GetModuleFileNameA(nullptr, path.data(), static_cast<DWORD>(path.size()))) ==
               path.size() &&
           path.size() < 32768) {
        path.resize(path.size() * 2);
    }
    const std::string file(path.data(), length);
    const std::size_t slash = file.find_last_of('\\');
    return slash == std::string::npos ? std::string() : file.substr(0, slash);
}

bool Win32Machine::EnvironmentVariable(const std::string& name, std::string& value) {
    ::SetLastError(NO_ERROR);
    const DWORD length = win32::ReadSizedText(
        [&name](char* buffer, DWORD size) {
            return ::GetEnvironmentVariableA(name.c_str(), buffer, size);
        },
        value);
    // An empty value also reads as length 0; only the error tells them apart.
    return length != 0 || ::GetLastError() != ERROR_ENVVAR_NOT_FOUND;
}

}  // namespace tavrik::platform
