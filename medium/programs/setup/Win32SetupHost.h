// The demo setup's host on Windows: files, INI files, the registry, time.
#pragma once

#include "SetupHost.h"

namespace tavrik::setup {

class Win32SetupHost : public SetupHost {
public:
    PathKind KindOf(const std::string& path) override;
    bool Write(const std::string& path, const std::string& bytes) override;
    bool Delete(const std::string& path) override;
    bool CopyFolder(const std::string& from, const std::string& to, int& copied,
                    std::string& error) override;
    bool RemoveFolder(const std::string& folder, std::string& error) override;
    std::string FullPath(const std::string& path) override;
    std::string IniValue(const std::string& path, const std::string& section,
                         const std::string& key) override;
    std::string ProgramFolder() override;
    std::string TempFolder() override;
    std::string ProductValue(const std::string& name) override;
    bool SetProductValue(const std::string& name, const std::string& value) override;
    void Sleep(int ms) override;
    unsigned Milliseconds() override;
    void Crash() override;
};

}  // namespace tavrik::setup
