// The in-memory machine that unit tests install in place of Windows. It
// behaves like Windows wherever the wizard could tell the difference, and
// every part of it can be set up and inspected by the test through the
// knobs below. Machine operations never raise exceptions; knobs raise
// FakeSetupError for a set-up that cannot exist.
//
// Starting state: one fixed drive C: (empty), current directory "C:\",
// Windows directory "C:\WINDOWS" (not created), the registry's hive keys,
// no environment variables, Windows XP SP3 (5.1.2600), mains power without
// a battery, language "en", a 1024 x 738 work area, error mode 0, no
// processes, windows or libraries, the shutdown privilege held but not
// enabled.
#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "platform/Machine.h"
#include "platform/fake/FakeFileHandles.h"
#include "platform/fake/FakeFileSystem.h"
#include "platform/fake/FakeLibraries.h"
#include "platform/fake/FakeProcesses.h"
#include "platform/fake/FakeRegistry.h"
#include "platform/fake/FakeSetupError.h"
#include "platform/fake/HandleCounter.h"

namespace tavrik::platform {

class FakeMachine : public Machine {
public:
    FakeMachine();
    ~FakeMachine() override;
    FakeMachine(const FakeMachine&) = delete;
    FakeMachine& operator=(const FakeMachine&) = delete;

    // ======================= Machine =======================
    bool RegistryKeyExists(const std::string& key) override;
    bool RegistryOpenKey(const std::string& key, bool createIfMissing) override;
    bool RegistryReadValue(const std::string& key, const std::string& name,
                           RegistryValue& value) override;
    // The key must exist (open or create it first).
    bool RegistryWriteString(const std::string& key, const std::string& name,
                             const std::string& text) override;
    bool RegistryDeleteKeyTree(const std::string& key) override;
    bool RegistryDeleteValue(const std::string& key, const std::string& name) override;
    bool RegistryFlush() override;

    // A bare file name ("x.ini") is looked for in the Windows directory, as
    // GetPrivateProfileStringA does; ".\x.ini" in the current directory.
    std::string ReadIniString(const std::string& path, const std::string& section,
                              const std::string& key, const std::string& defaultValue) override;

    bool FileExists(const std::string& path) override;
    bool DirectoryExists(const std::string& path) override;
    bool ListDirectory(const std::string& pattern, std::vector<DirectoryEntry>& entries) override;
    bool CopyFileTo(const std::string& from, const std::string& to, bool failIfExists) override;
    bool RemoveFile(const std::string& path) override;
    bool RenameFile(const std::string& from, const std::string& to) override;
    bool ClearReadOnly(const std::string& path) override;
    bool MakeDirectory(const std::string& path) override;

    Handle OpenFile(const std::string& path, FileAccess access, FileCreation creation) override;
    std::int64_t SeekFile(Handle file, std::int64_t offset, SeekOrigin origin) override;
    std::int64_t WriteFile(Handle file, const void* data, std::size_t size) override;
    std::int64_t ReadFile(Handle file, void* data, std::size_t size) override;
    // Closes any kernel handle, as CloseHandle does.
    bool CloseFile(Handle file) override;

    std::string CurrentDirectory() override;
    std::string SystemDirectory() override { return systemDirectory_; }
    // The current directory unless set: a wizard started from its medium.
    std::string ProgramDirectory() override;
    bool EnvironmentVariable(const std::string& name, std::string& value) override;

    // Fails for a command line nobody scripted, for a current directory
    // that is not an existing folder and for a named program that is not an
    // existing file.
    bool StartProcess(const std::string& commandLine, const StartOptions& options,
                      ProcessInfo& info) override;
    WaitResult WaitForProcess(Handle process, std::uint32_t timeoutMs) override;
    bool ProcessExitCode(Handle process, std::uint32_t& exitCode) override;
    bool CloseHandle(Handle handle) override;

    // The snapshot list, then the running scripted processes by executable
    // name (see ExecutableName), in start order.
    // Claims last as long as the machine (or until released); they are not
    // counted among the open handles.
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

    // Records the link and writes a small file at its path (so FileExists
    // sees it); fails where that file could not be written.
    bool CreateShellLink(const ShellLink& link) override;
    bool ReadShellLink(ShellLink& link) override;
    // Refused without the shutdown right; each request is recorded.
    bool Restart() override;

    // ======================= Knobs =======================
    // --- Registry.
    void SetRegistryValue(const std::string& key, const std::string& name,
                          const RegistryValue& value);
    void CreateRegistryKey(const std::string& key);
    std::optional<RegistryValue> RegistryValueOf(const std::string& key,
                                                 const std::string& name) const;
    bool HasRegistryKey(const std::string& key) const { return registry_.KeyExists(key); }
    std::vector<std::string> RegistryValueNames(const std::string& key) const;
    int RegistryFlushCount() const { return registry_.FlushCount(); }
    // Without administrator rights: keys can be tested and values read, but
    // no key opens, and nothing is created, written or deleted.
    void SetRegistryDenied(bool denied) { registry_.SetDenied(denied); }

    // --- Drives, folders and files.
    void AddDrive(char letter, unsigned type) { files_.AddDrive(letter, type); }
    // A drive without its medium (an empty CD or floppy drive) keeps its
    // type but none of its paths can be reached.
    void SetMediaPresent(char letter, bool present) { files_.SetMediaPresent(letter, present); }
    std::filesystem::path HostPath(const std::string& path) const { return files_.HostPath(path); }
    void SetCurrentDirectory(const std::string& path);
    // Writes a file, creating its folders; ignores locks and attributes.
    void WriteFile(const std::string& path, const std::string& bytes) {
        files_.WriteFile(path, bytes);
    }
    std::optional<std::string> ReadFile(const std::string& path) const {
        return files_.ReadFile(path);
    }
    void AddDirectory(const std::string& path) { files_.AddDirectory(path); }
    // A locked file (like a library in use) cannot be deleted, renamed or
    // opened for writing; it can still be read and copied.
    void LockFile(const std::string& path) { files_.LockFile(path, true); }
    void UnlockFile(const std::string& path) { files_.LockFile(path, false); }
    void MakeReadOnly(const std::string& path);
    // Read-only, hidden and system bits (kAttrReadOnly | kAttrHidden | ...).
    void SetFileAttributes(const std::string& path, std::uint32_t attributes) {
        files_.SetAttributes(path, attributes);
    }
    std::optional<std::uint32_t> FileAttributes(const std::string& path) const {
        return files_.Attributes(path);
    }

    // --- Environment (names without regard to case).
    void SetEnvironmentVariable(const std::string& name, const std::string& value);
    void UnsetEnvironmentVariable(const std::string& name);

    // --- Processes.
    void ScriptProcess(const std::string& commandLine, ProcessScript script) {
        processes_.Script(commandLine, std::move(script));
    }
    void ScriptProcessMatching(FakeProcesses::Predicate predicate, ProcessScript script) {
        processes_.ScriptMatching(std::move(predicate), std::move(script));
    }
    bool EndProcess(std::uint32_t processId, std::uint32_t exitCode) {
        return processes_.End(processId, exitCode);
    }
    bool IsProcessRunning(std::uint32_t processId) const { return processes_.IsRunning(processId); }
    // Every CreateProcess call, started or not.
    const std::vector<ProcessStart>& ProcessStarts() const { return processes_.Starts(); }
    // Command lines of the infinite waits that would have hung on Windows.
    const std::vector<std::string>& HungWaits() const { return processes_.HungWaits(); }
    // Open kernel handles: files, processes and threads.
    int OpenHandleCount() const;
    int OpenFileCount() const { return fileHandles_.OpenCount(); }
    void SetProcessSnapshot(std::vector<std::string> exeNames) { snapshot_ = std::move(exeNames); }
    // The process that claimed the name has ended.
    void ReleaseSingleInstance(const std::string& name);
    void SetProcessSnapshotFails(bool fails) { snapshotFails_ = fails; }

    // --- Top-level windows, by title, topmost first.
    void SetTopWindows(std::vector<std::string> titles) { windowTitles_ = std::move(titles); }

    // --- System information.
    void SetPowerStatus(const PowerStatus& status) { power_ = status; }
    void SetPowerStatusFails(bool fails) { powerFails_ = fails; }
    void SetVersion(std::uint32_t major, std::uint32_t minor, std::uint32_t build = 0,
                    const std::string& servicePack = "");
    // Whether the system refuses the extended version record and the basic
    // one.
    void RefuseVersionRecords(bool extended, bool basic);
    void SetSystemDefaultLanguageName(const std::string& name) { language_ = name; }
    void SetSystemDirectory(const std::string& path) { systemDirectory_ = path; }
    void SetProgramDirectory(const std::string& path) { programDirectory_ = path; }
    void SetFullScreenSize(ScreenSize size) { screen_ = size; }
    // Every error mode set, in order.
    const std::vector<unsigned>& ErrorModeCalls() const { return errorModes_; }

    // --- Libraries.
    void AddLibrary(const std::string& windowsName, std::map<std::string, void*> exports) {
        libraries_.Add(windowsName, std::move(exports));
    }
    void AddNativeLibrary(const std::string& windowsName, const std::string& soPath,
                          std::map<std::string, std::string> decoratedToPlain) {
        libraries_.AddNative(windowsName, soPath, std::move(decoratedToPlain));
    }
    int LibraryLoadCount(const std::string& name) const { return libraries_.LoadCount(name); }
    int LibraryFreeCount(const std::string& name) const { return libraries_.FreeCount(name); }
    bool IsLibraryLoaded(const std::string& name) const { return libraries_.IsLoaded(name); }
    const std::vector<LibraryCall>& LibraryCalls() const { return libraries_.Calls(); }

    // --- Shell links and restart.
    const std::vector<ShellLink>& ShellLinks() const { return shellLinks_; }
    void SetShutdownPrivilegeHeld(bool held) { privilegeHeld_ = held; }
    // Each restart asked for: whether it was granted.
    const std::vector<bool>& RestartRequests() const { return restartRequests_; }

private:
    std::string IniFilePath(const std::string& path) const;

    HandleCounter handles_;
    FakeRegistry registry_;
    FakeFileSystem files_;
    FakeFileHandles fileHandles_{files_, handles_};
    FakeProcesses processes_{*this, handles_};
    FakeLibraries libraries_;

    const std::string windowsDirectory_ = "C:\\WINDOWS";
    std::map<std::string, std::pair<std::string, std::string>> environment_;  // folded name
    std::vector<std::string> snapshot_;
    std::set<std::string> instanceClaims_;  // kernel names keep their case
    bool snapshotFails_ = false;
    std::vector<std::string> windowTitles_;
    PowerStatus power_;
    bool powerFails_ = false;
    OsVersion version_;
    bool refuseExtendedVersion_ = false;
    bool refuseBasicVersion_ = false;
    std::string language_ = "en";
    std::string systemDirectory_ = "C:\\WINDOWS\\system32";
    std::string programDirectory_;
    ScreenSize screen_{1024, 738};
    unsigned errorMode_ = 0;
    std::vector<unsigned> errorModes_;
    std::vector<ShellLink> shellLinks_;
    bool privilegeHeld_ = true;
    std::vector<bool> restartRequests_;
};

}  // namespace tavrik::platform
