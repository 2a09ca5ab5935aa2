// Everything the demo setup asks of the system. setup.exe answers with
// Win32 calls (Win32SetupHost); the unit tests answer from memory, so that a
// run can be followed step by step.
#pragma once

#include <string>

namespace tavrik::setup {

class SetupHost {
public:
    enum class PathKind { None, File, Folder };

    virtual ~SetupHost() = default;

    virtual PathKind KindOf(const std::string& path) = 0;
    // Creates or replaces the file with exactly these bytes.
    virtual bool Write(const std::string& path, const std::string& bytes) = 0;
    virtual bool Delete(const std::string& path) = 0;
    // Copies the files under `from` into `to` (both ending with a
    // backslash), creating folders, replacing files except those
    // KeptWhenPresent finds already there; stops at the first failure and
    // names it in `error`.
    virtual bool CopyFolder(const std::string& from, const std::string& to, int& copied,
                            std::string& error) = 0;
    // Deletes the folder and everything in it; stops at the first failure.
    virtual bool RemoveFolder(const std::string& folder, std::string& error) = 0;
    virtual std::string FullPath(const std::string& path) = 0;
    // The value of an INI file's key, empty when absent.
    virtual std::string IniValue(const std::string& path, const std::string& section,
                                 const std::string& key) = 0;
    // This program's folder and the temporary folder, with a trailing backslash.
    virtual std::string ProgramFolder() = 0;
    virtual std::string TempFolder() = 0;

    // Values of the product key HKLM\SOFTWARE\NORVA\BRENDOL_PC; empty when
    // missing or not text.
    virtual std::string ProductValue(const std::string& name) = 0;
    virtual bool SetProductValue(const std::string& name, const std::string& value) = 0;

    virtual void Sleep(int ms) = 0;
    // A millisecond clock; only differences are used, so it may wrap.
    virtual unsigned Milliseconds() = 0;
    // Ends the process by an unhandled access violation (the crash fault).
    virtual void Crash() = 0;
};

}  // namespace tavrik::setup
