// A setup host in memory for the run's tests. Paths are compared as
// written. It keeps a list of what the run did that matters to the wizard
// (markers, the work, the crash, long pauses, Install) in order, and can
// play the wizard watching the progress marker: the watcher takes a marker
// on the first pause after it was created, as its 100 ms poll would.
#pragma once

#include <map>
#include <set>
#include <string>
#include <tuple>
#include <vector>

#include "SetupHost.h"

namespace tavrik::setup::test {

// Thrown by Crash: the run stops there, as the process would.
struct Crashed {};

class MemorySetupHost : public SetupHost {
public:
    // The medium D:\ with tavrik.ini (NAME=BRENDOL) and BRENDOL\applic.ini,
    // PathInstall = C:, Install = "1", a watcher.
    MemorySetupHost();

    // Setup
    void SetIni(const std::string& path, const std::string& section, const std::string& key,
                const std::string& value);
    void RemoveFile(const std::string& path) { files_.erase(path); }
    std::map<std::string, std::string> product;  // the product key's values
    bool watching = true;
    std::string copyError;    // CopyFolder fails with it when not empty
    std::string removeError;  // RemoveFolder likewise
    bool installWritable = true;
    std::set<std::string> unwritable;  // paths Write refuses
    std::set<std::string> folders;

    // What happened
    std::vector<std::string> events;
    std::map<std::string, std::vector<std::string>> writes;  // each path's contents, in order
    unsigned clock = 0;

    PathKind KindOf(const std::string& path) override;
    bool Write(const std::string& path, const std::string& bytes) override;
    bool Delete(const std::string& path) override;
    bool CopyFolder(const std::string& from, const std::string& to, int& copied,
                    std::string& error) override;
    bool RemoveFolder(const std::string& folder, std::string& error) override;
    std::string FullPath(const std::string& path) override;
    std::string IniValue(const std::string& path, const std::string& section,
                         const std::string& key) override;
    std::string ProgramFolder() override { return "D:\\"; }
    std::string TempFolder() override { return "C:\\TEMP\\"; }
    std::string ProductValue(const std::string& name) override;
    bool SetProductValue(const std::string& name, const std::string& value) override;
    void Sleep(int ms) override;
    unsigned Milliseconds() override { return clock; }
    void Crash() override;

private:
    std::map<std::string, std::string> files_;
    std::map<std::tuple<std::string, std::string, std::string>, std::string> ini_;
};

}  // namespace tavrik::setup::test
