// The real machine: every service of the seam as the Windows API provides it,
// ANSI functions only, nothing newer than Windows 2000.
//
// This header deliberately does not include <windows.h>: the program's entry
// point installs the machine without seeing the Windows API.
#pragma once

#include "platform/Machine.h"

namespace tavrik::platform {

class Win32Machine : public Machine {
public:
    bool RegistryKeyExists(const std::string& key) override;
    bool RegistryOpenKey(const std::string& key, bool createIfMissing) override;
    bool RegistryReadValue(const std::string& key, const std::string& name,
                           RegistryValue& value) override;
    bool RegistryWriteString(const std::string& key, const std::string& name,
                             const std::string& text) override;
    bool RegistryDeleteKeyTree(const std::string& key) override;
    bool RegistryDeleteValue(const std::string& key, const std::string& name) override;
    bool RegistryFlush() override;

    std::string ReadIniString(const std::string& path, const std::string& section,
                              const std::string& key, const std::string& defaultValue) override;

    bool FileExists(const std::string& path) override;
    bool DirectoryExists(const std::string& path) override;
    bool ListDirectory(const std::string& pattern, std::vector<DirectoryEntry>& entries) override;
    bool CopyFileTo(const std::string& from, const std::string& to, bool failIfExists) override;
    bool RemoveFile(const std::string& path) override;
    bool ClearReadOnly(const std::string& path) override;
    bool RenameFile(const std::string& from, const std::string& to) override;
    bool MakeDirectory(const std::string& path) override;

    Handle OpenFile(const std::string& path, FileAccess access, FileCreation creation) override;
    std::int64_t SeekFile(Handle file, std::int64_t offset, SeekOrigin origin) override;
    std::int64_t WriteFile(Handle file, const void* data, std::size_t size) override;
    std::int64_t ReadFile(Handle file, void* data, std::size_t size) override;
    bool CloseFile(Handle file) override;

    std::string CurrentDirectory() override;
    std::string SystemDirectory() override;
    std::string ProgramDirectory() override;
    bool EnvironmentVariable(const std::string& name, std::string& value) override;

    bool StartProcess(const std::string& commandLine, const StartOptions& options,
                      ProcessInfo& info) override;
    WaitResult WaitForProcess(Handle process, std::uint32_t timeoutMs) override;
    bool ProcessExitCode(Handle process, std::uint32_t& exitCode) override;
    bool CloseHandle(Handle handle) override;
    bool ClaimSingleInstance(const std::string& name) override;
    bool ProcessSnapshot(std::vector<std::string>& exeNames) override;

    std::vector<std::string> TopLevelWindowTitles() override;
    std::vector<std::string> FixedDrives() override;

    bool GetPowerStatus(PowerStatus& status) override;
    bool WindowsVersion(OsVersion& version) override;
    std::string SystemDefaultLanguageName() override;
    ScreenSize FullScreenSize() override;
    unsigned SwapErrorMode(unsigned mode) override;

    Handle OpenLibrary(const std::string& name) override;
    void* LibraryEntry(Handle library, const std::string& name) override;
    bool CloseLibrary(Handle library) override;

    bool CreateShellLink(const ShellLink& link) override;
    bool ReadShellLink(ShellLink& link) override;
    bool Restart() override;
};

// Makes the one Win32Machine of the process the current machine. The
// program's entry point calls it before anything else.
void InstallWin32Machine();

}  // namespace tavrik::platform
