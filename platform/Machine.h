// The seam between the wizard and the operating system.
//
// Every operating-system service the wizard uses goes through Machine. The
// Windows program installs platform/win32's implementation; unit tests install
// platform/fake's in-memory machine. Strings are bytes in the system's
// single-byte code page, exactly as the wizard holds them.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace tavrik::platform {

// An opaque operating-system handle (process, thread, file, library,
// window). Zero is "no handle".
using Handle = std::uintptr_t;
constexpr Handle kNoHandle = 0;

// Mirrors the Win32 PROCESS_INFORMATION record.
struct ProcessInfo {
    Handle process = kNoHandle;
    Handle thread = kNoHandle;
    std::uint32_t processId = 0;
    std::uint32_t threadId = 0;
};

// The start-up options the wizard uses when it starts a child process.
struct StartOptions {
    bool hidden = false;      // STARTF_USESHOWWINDOW with SW_HIDE
    bool newConsole = false;  // CREATE_NEW_CONSOLE
    // Empty: the child inherits the wizard's current directory.
    std::string currentDirectory;
    // The program file to run, named whole; empty: the system takes the
    // command line's first word (and, on a path with spaces, may run
    // another program, such as "C:\My.exe" for "C:\My Medium\setup.exe").
    std::string applicationName;
};

enum class WaitResult { Signalled, TimedOut, Failed };
constexpr std::uint32_t kInfinite = 0xFFFFFFFFu;

// File attribute bits, as Windows reports them.
enum FileAttribute : std::uint32_t {
    kAttrReadOnly = 0x01,
    kAttrHidden = 0x02,
    kAttrSystem = 0x04,
    kAttrDirectory = 0x10,
    kAttrArchive = 0x20,
    kAttrNormal = 0x80,
};

struct DirectoryEntry {
    std::string name;  // the bare name, no folder
    std::uint32_t attributes = 0;
    bool IsDirectory() const { return (attributes & kAttrDirectory) != 0; }
};

// Access and creation modes for the raw file routines.
enum class FileAccess { Read, Write, ReadWrite };
enum class FileCreation { OpenExisting, CreateAlways };
enum class SeekOrigin { Begin = 0, Current = 1, End = 2 };

// Drive types by the system's codes; the in-memory machine is given its
// drives with them.
enum DriveType : unsigned {
    kDriveUnknown = 0,
    kDriveNoRootDir = 1,
    kDriveRemovable = 2,
    kDriveFixed = 3,
    kDriveRemote = 4,
    kDriveCdRom = 5,
    kDriveRamDisk = 6,
};

// The fields of SYSTEM_POWER_STATUS.
struct PowerStatus {
    std::uint8_t acLineStatus = 255;  // 0 offline, 1 online, 255 unknown
    std::uint8_t batteryFlag = 255;
    std::uint8_t batteryLifePercent = 255;
    std::uint32_t batteryLifeTime = 0xFFFFFFFFu;
    std::uint32_t batteryFullLifeTime = 0xFFFFFFFFu;
};

// The running Windows' version as the system reports it; servicePack is
// its service pack's name ("Service Pack 3"), empty when none is installed.
struct OsVersion {
    std::uint32_t major = 0;
    std::uint32_t minor = 0;
    std::uint32_t build = 0;
    std::uint32_t platformId = 0;
    std::string servicePack;
};

// What a registry value holds. Type codes are Windows' (REG_SZ = 1,
// REG_EXPAND_SZ = 2, REG_BINARY = 3, REG_DWORD = 4, ...).
struct RegistryValue {
    std::uint32_t type = 0;
    std::string data;  // raw bytes; for strings without the final NUL
};
constexpr std::uint32_t kRegSz = 1;
constexpr std::uint32_t kRegExpandSz = 2;
constexpr std::uint32_t kRegBinary = 3;
constexpr std::uint32_t kRegDword = 4;

// Strings are NUL-terminated by contract, but the registry does not enforce
// it: a string value read keeps the text up to its first NUL, as a C string
// reader sees it. Other types keep their bytes.
void TrimStringAtNul(RegistryValue& value);

// A shell link (.lnk) as the restart page writes it.
struct ShellLink {
    std::string linkPath;  // the .lnk file
    std::string targetPath;
    std::string description;
    std::string workingDirectory;
    std::string arguments;
};

// The area a maximised window's client gets on the primary screen, in
// pixels.
struct ScreenSize {
    int width = 0;
    int height = 0;
};

class Machine {
public:
    virtual ~Machine() = default;

    // --- Registry, always under HKEY_LOCAL_MACHINE; keys are paths relative
    // to the root, with backslashes. Names compare without regard to case.
    virtual bool RegistryKeyExists(const std::string& key) = 0;
    // Opens the key, creating it (and missing parents) when createIfMissing.
    // Returns whether the key is now open-able.
    virtual bool RegistryOpenKey(const std::string& key, bool createIfMissing) = 0;
    // Reads a value of an existing key. False when the key or value is missing.
    virtual bool RegistryReadValue(const std::string& key, const std::string& name,
                                   RegistryValue& value) = 0;
    virtual bool RegistryWriteString(const std::string& key, const std::string& name,
                                     const std::string& text) = 0;
    // Deletes the key with all its sub-keys.
    virtual bool RegistryDeleteKeyTree(const std::string& key) = 0;
    virtual bool RegistryDeleteValue(const std::string& key, const std::string& name) = 0;
    // RegFlushKey(HKEY_LOCAL_MACHINE).
    virtual bool RegistryFlush() = 0;

    // --- INI files (GetPrivateProfileStringA semantics; the wizard never
    // writes one). A relative path with a backslash resolves against the
    // current directory.
    virtual std::string ReadIniString(const std::string& path, const std::string& section,
                                      const std::string& key, const std::string& defaultValue) = 0;

    // --- Files and folders.
    virtual bool FileExists(const std::string& path) = 0;       // a file, not a folder
    virtual bool DirectoryExists(const std::string& path) = 0;  // a folder
    // Lists the entries matching a pattern such as "C:\dir\*.*" or
    // "E:\BRENDOL\DICO\*.bmp", in the order the file system gives them,
    // "." and ".." included where the file system reports them. False when
    // nothing matches or the folder cannot be read.
    virtual bool ListDirectory(const std::string& pattern,
                               std::vector<DirectoryEntry>& entries) = 0;
    virtual bool CopyFileTo(const std::string& from, const std::string& to, bool failIfExists) = 0;
    virtual bool RemoveFile(const std::string& path) = 0;
    virtual bool RenameFile(const std::string& from, const std::string& to) = 0;
    // SetFileAttributesA without the read-only bit, the file's other bits
    // kept. True when the file is not read-only afterwards; false when it
    // cannot be reached or its attributes cannot be changed.
    virtual bool ClearReadOnly(const std::string& path) = 0;
    // Creates one folder; its parent must exist.
    virtual bool MakeDirectory(const std::string& path) = 0;

    // Raw file handles (CreateFileA / SetFilePointer / ReadFile / WriteFile).
    // Returns kNoHandle when the file cannot be opened.
    virtual Handle OpenFile(const std::string& path, FileAccess access, FileCreation creation) = 0;
    // New position, or -1 on failure (also for kNoHandle).
    virtual std::int64_t SeekFile(Handle file, std::int64_t offset, SeekOrigin origin) = 0;
    // Bytes written or read, or -1 on failure.
    virtual std::int64_t WriteFile(Handle file, const void* data, std::size_t size) = 0;
    virtual std::int64_t ReadFile(Handle file, void* data, std::size_t size) = 0;
    virtual bool CloseFile(Handle file) = 0;

    // The process's current directory, any length, without a forced
    // trailing backslash (a drive root keeps its own, "C:\").
    virtual std::string CurrentDirectory() = 0;
    // Where system programs and libraries are taken from, never found by a
    // search: the system folder (GetSystemDirectory), and the folder of the
    // running program's own file; both without a trailing backslash, so that
    // adding "\\NAME" names a file in them.
    virtual std::string SystemDirectory() = 0;
    virtual std::string ProgramDirectory() = 0;

    // False when the variable is not set.
    virtual bool EnvironmentVariable(const std::string& name, std::string& value) = 0;

    // --- Processes.
    // Starts a program with the options' application name (none when
    // empty), the command line as given, no inherited handles, the parent's
    // environment.
    virtual bool StartProcess(const std::string& commandLine, const StartOptions& options,
                              ProcessInfo& info) = 0;
    virtual WaitResult WaitForProcess(Handle process, std::uint32_t timeoutMs) = 0;
    virtual bool ProcessExitCode(Handle process, std::uint32_t& exitCode) = 0;
    virtual bool CloseHandle(Handle handle) = 0;

    // CreateMutexA of that name, kept until the process ends: false when the
    // mutex exists already (another process, or an earlier claim of this
    // one, holds it) or cannot be created.
    virtual bool ClaimSingleInstance(const std::string& name) = 0;

    // Executable names of the processes in a snapshot, in snapshot order.
    // False when the snapshot cannot be taken.
    virtual bool ProcessSnapshot(std::vector<std::string>& exeNames) = 0;

    // --- Top-level windows: their titles (each cut to 1023 bytes) in
    // stacking order, topmost first.
    virtual std::vector<std::string> TopLevelWindowTitles() = 0;

    // --- Drives: the roots ("C:\\") of the fixed drives, in the order the
    // system gives its drives, all of them whatever their number.
    virtual std::vector<std::string> FixedDrives() = 0;

    // --- System information.
    virtual bool GetPowerStatus(PowerStatus& status) = 0;
    // The running Windows' version: from the extended record (with the
    // service pack), or the basic one where the system refuses the extended
    // record; false when the system gives neither.
    virtual bool WindowsVersion(OsVersion& version) = 0;
    // ISO 639 name of the system default locale ("fr", "en", ...); empty
    // when the system reports none.
    virtual std::string SystemDefaultLanguageName() = 0;
    virtual ScreenSize FullScreenSize() = 0;
    // Sets the system's error mode and returns the previous one; callers use
    // CriticalErrorBoxesOff below rather than this.
    virtual unsigned SwapErrorMode(unsigned mode) = 0;

    // --- Dynamic libraries.
    virtual Handle OpenLibrary(const std::string& name) = 0;
    // The address of an exported entry point; nullptr when there is none.
    virtual void* LibraryEntry(Handle library, const std::string& name) = 0;
    virtual bool CloseLibrary(Handle library) = 0;

    // --- Shell link and restart.
    virtual bool CreateShellLink(const ShellLink& link) = 0;
    // Reads the shell link saved at link.linkPath into the other fields;
    // false when there is no such file or it is not a shell link.
    virtual bool ReadShellLink(ShellLink& link) = 0;
    // Restarts the computer at once, without asking the running programs;
    // false when the system refuses (the shutdown right is not held).
    virtual bool Restart() = 0;
};

// The error mode CriticalErrorBoxesOff sets (SEM_FAILCRITICALERRORS).
constexpr unsigned kCriticalErrorBoxesOffMode = 0x0001;

// While it lives, a drive that is not ready or a medium that cannot be read
// fails the call quietly instead of showing the system's critical-error box;
// the previous mode comes back when it goes.
class CriticalErrorBoxesOff {
public:
    CriticalErrorBoxesOff();
    ~CriticalErrorBoxesOff();
    CriticalErrorBoxesOff(const CriticalErrorBoxesOff&) = delete;
    CriticalErrorBoxesOff& operator=(const CriticalErrorBoxesOff&) = delete;

private:
    unsigned previousMode_;
};

// The machine the wizard runs on. The program sets it once at start-up;
// a test sets its fake before it runs the code under test.
Machine& CurrentMachine();
void SetCurrentMachine(Machine* machine);

}  // namespace tavrik::platform
