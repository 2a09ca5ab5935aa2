#include "platform/fake/FakeMachine.h"

#include "platform/fake/CaseFolding.h"
#include "platform/fake/IniParser.h"

namespace tavrik::platform {

FakeMachine::FakeMachine() {
    power_.acLineStatus = 1;   // on mains
    power_.batteryFlag = 128;  // no system battery
    SetVersion(5, 1, 2600, "Service Pack 3");
}

FakeMachine::~FakeMachine() = default;

// --- Registry.

bool FakeMachine::RegistryKeyExists(const std::string& key) { return registry_.KeyExists(key); }

bool FakeMachine::RegistryOpenKey(const std::string& key, bool createIfMissing) {
    return registry_.OpenKey(key, createIfMissing);
}

bool FakeMachine::RegistryReadValue(const std::string& key, const std::string& name,
                                    RegistryValue& value) {
    if (!registry_.ReadValue(key, name, value)) {
        return false;
    }
    TrimStringAtNul(value);
    return true;
}

bool FakeMachine::RegistryWriteString(const std::string& key, const std::string& name,
                                      const std::string& text) {
    return registry_.WriteValue(key, name, StringValue(text));
}

bool FakeMachine::RegistryDeleteKeyTree(const std::string& key) {
    return registry_.DeleteKeyTree(key);
}

bool FakeMachine::RegistryDeleteValue(const std::string& key, const std::string& name) {
    return registry_.DeleteValue(key, name);
}

bool FakeMachine::RegistryFlush() { return registry_.Flush(); }

void FakeMachine::SetRegistryValue(const std::string& key, const std::string& name,
                                   const RegistryValue& value) {
    if (!registry_.SetValue(key, name, value)) {
        throw FakeSetupError("malformed registry key: " + key);
    }
}

void FakeMachine::CreateRegistryKey(const std::string& key) {
    if (!registry_.CreateKey(key)) {
        throw FakeSetupError("malformed registry key: " + key);
    }
}

std::optional<RegistryValue> FakeMachine::RegistryValueOf(const std::string& key,
                                                          const std::string& name) const {
    RegistryValue value;
    if (!registry_.ReadValue(key, name, value)) {
        return std::nullopt;
    }
    return value;
}

std::vector<std::string> FakeMachine::RegistryValueNames(const std::string& key) const {
    return registry_.ValueNames(key);
}

// --- INI files.

std::string FakeMachine::IniFilePath(const std::string& path) const {
    const bool hasFolder = path.find_first_of("\\/") != std::string::npos;
    const bool hasDrive = path.size() >= 2 && path[1] == ':';
    if (hasFolder || hasDrive) {
        return path;
    }
    return windowsDirectory_ + "\\" + path;
}

std::string FakeMachine::ReadIniString(const std::string& path, const std::string& section,
                                       const std::string& key, const std::string& defaultValue) {
    // A file that cannot be read reads as an empty one: every key defaults.
    const std::string bytes = files_.ReadReachableFile(IniFilePath(path)).value_or("");
    return ReadIniValue(bytes, section, key, defaultValue);
}

// --- Files and folders.

bool FakeMachine::FileExists(const std::string& path) { return files_.FileExists(path); }

bool FakeMachine::DirectoryExists(const std::string& path) { return files_.DirectoryExists(path); }

bool FakeMachine::ListDirectory(const std::string& pattern, std::vector<DirectoryEntry>& entries) {
    return files_.ListDirectory(pattern, entries);
}

bool FakeMachine::CopyFileTo(const std::string& from, const std::string& to, bool failIfExists) {
    return files_.CopyFileTo(from, to, failIfExists);
}

bool FakeMachine::RemoveFile(const std::string& path) { return files_.RemoveFile(path); }

bool FakeMachine::RenameFile(const std::string& from, const std::string& to) {
    return files_.RenameFile(from, to);
}

bool FakeMachine::ClearReadOnly(const std::string& path) { return files_.ClearReadOnly(path); }

bool FakeMachine::MakeDirectory(const std::string& path) { return files_.MakeDirectory(path); }

Handle FakeMachine::OpenFile(const std::string& path, FileAccess access, FileCreation creation) {
    return fileHandles_.Open(path, access, creation);
}

std::int64_t FakeMachine::SeekFile(Handle file, std::int64_t offset, SeekOrigin origin) {
    return fileHandles_.Seek(file, offset, origin);
}

std::int64_t FakeMachine::WriteFile(Handle file, const void* data, std::size_t size) {
    return fileHandles_.Write(file, data, size);
}

std::int64_t FakeMachine::ReadFile(Handle file, void* data, std::size_t size) {
    return fileHandles_.Read(file, data, size);
}

bool FakeMachine::CloseFile(Handle file) { return CloseHandle(file); }

std::string FakeMachine::CurrentDirectory() { return files_.CurrentDirectory(); }

std::string FakeMachine::ProgramDirectory() {
    if (!programDirectory_.empty()) return programDirectory_;
    std::string directory = CurrentDirectory();
    if (directory.size() > 3 && directory.back() == '\\') directory.pop_back();
    return directory.size() == 3 ? directory.substr(0, 2) : directory;
}

void FakeMachine::SetCurrentDirectory(const std::string& path) {
    if (!files_.SetCurrentDirectory(path)) {
        throw FakeSetupError("not an existing folder: " + path);
    }
}

void FakeMachine::MakeReadOnly(const std::string& path) {
    const std::uint32_t attributes = FileAttributes(path).value_or(0);
    files_.SetAttributes(path, attributes | kAttrReadOnly);
}

// --- Environment.

bool FakeMachine::EnvironmentVariable(const std::string& name, std::string& value) {
    const auto found = environment_.find(CaseFoldedKey(name));
    if (found == environment_.end()) {
        return false;
    }
    value = found->second.second;
    return true;
}

void FakeMachine::SetEnvironmentVariable(const std::string& name, const std::string& value) {
    if (name.empty() || name.find('=') != std::string::npos) {
        throw FakeSetupError("not an environment variable name: " + name);
    }
    environment_[CaseFoldedKey(name)] = {name, value};
}

void FakeMachine::UnsetEnvironmentVariable(const std::string& name) {
    environment_.erase(CaseFoldedKey(name));
}

// --- Processes and handles.

bool FakeMachine::StartProcess(const std::string& commandLine, const StartOptions& options,
                               ProcessInfo& info) {
    const bool directoryExists =
        options.currentDirectory.empty() || files_.DirectoryExists(options.currentDirectory);
    const bool programExists =
        options.applicationName.empty() || files_.FileExists(options.applicationName);
    return processes_.Create(commandLine, options, directoryExists && programExists, info);
}

WaitResult FakeMachine::WaitForProcess(Handle process, std::uint32_t timeoutMs) {
    return processes_.Wait(process, timeoutMs);
}

bool FakeMachine::ProcessExitCode(Handle process, std::uint32_t& exitCode) {
    return processes_.ExitCode(process, exitCode);
}

bool FakeMachine::CloseHandle(Handle handle) {
    return fileHandles_.Close(handle) || processes_.Close(handle);
}

int FakeMachine::OpenHandleCount() const {
    return fileHandles_.OpenCount() + processes_.OpenHandleCount();
}

bool FakeMachine::ClaimSingleInstance(const std::string& name) {
    return instanceClaims_.insert(name).second;
}

void FakeMachine::ReleaseSingleInstance(const std::string& name) { instanceClaims_.erase(name); }

bool FakeMachine::ProcessSnapshot(std::vector<std::string>& exeNames) {
    if (snapshotFails_) {
        return false;
    }
    exeNames = snapshot_;
    for (const std::string& name : processes_.RunningNames()) {
        exeNames.push_back(name);
    }
    return true;
}

// --- Libraries.

Handle FakeMachine::OpenLibrary(const std::string& name) { return libraries_.Load(name); }

void* FakeMachine::LibraryEntry(Handle library, const std::string& name) {
    return libraries_.Lookup(library, name);
}

bool FakeMachine::CloseLibrary(Handle library) { return libraries_.Free(library); }

}  // namespace tavrik::platform
