#include "MemorySetupHost.h"

namespace tavrik::setup::test {

namespace {

constexpr const char* kMarker = "C:\\PGB_Avance.ini";
constexpr int kLongPauseMs = 1000;  // pauses this long are events: the hang

}  // namespace

MemorySetupHost::MemorySetupHost() {
    SetIni("D:\\tavrik.ini", "INSTALL", "NAME", "BRENDOL");
    SetIni("D:\\BRENDOL\\applic.ini", "APPLICATION", "VSOFT", "5.2.0");
    product["PathInstall"] = "C:";
    product["Install"] = "1";
}

void MemorySetupHost::SetIni(const std::string& path, const std::string& section,
                             const std::string& key, const std::string& value) {
    files_[path];
    ini_[{path, section, key}] = value;
}

SetupHost::PathKind MemorySetupHost::KindOf(const std::string& path) {
    if (files_.count(path) != 0) return PathKind::File;
    return folders.count(path) != 0 ? PathKind::Folder : PathKind::None;
}

bool MemorySetupHost::Write(const std::string& path, const std::string& bytes) {
    if (unwritable.count(path) != 0) return false;
    if (path == kMarker) events.push_back("marker " + bytes.substr(bytes.find("Step=") + 5, 1));
    files_[path] = bytes;
    writes[path].push_back(bytes);
    return true;
}

bool MemorySetupHost::Delete(const std::string& path) {
    events.push_back("delete " + path);
    return files_.erase(path) != 0;
}

bool MemorySetupHost::CopyFolder(const std::string& from, const std::string& to, int& copied,
                                 std::string& error) {
    events.push_back("copy " + from + " to " + to);
    copied = 3;
    error = copyError;
    return copyError.empty();
}

bool MemorySetupHost::RemoveFolder(const std::string& folder, std::string& error) {
    events.push_back("remove " + folder);
    error = removeError;
    return removeError.empty();
}

std::string MemorySetupHost::FullPath(const std::string& path) {
    return path.size() > 1 && path[1] == ':' ? path : "D:\\" + path;
}

std::string MemorySetupHost::IniValue(const std::string& path, const std::string& section,
                                      const std::string& key) {
    const auto found = ini_.find({path, section, key});
    return found == ini_.end() ? std::string() : found->second;
}

std::string MemorySetupHost::ProductValue(const std::string& name) {
    const auto found = product.find(name);
    return found == product.end() ? std::string() : found->second;
}

bool MemorySetupHost::SetProductValue(const std::string& name, const std::string& value) {
    if (!installWritable) return false;
    events.push_back(name + "=" + value);
    product[name] = value;
    return true;
}

void MemorySetupHost::Sleep(int ms) {
    if (ms >= kLongPauseMs) events.push_back("pause " + std::to_string(ms));
    clock += static_cast<unsigned>(ms);
    if (watching && files_.erase(kMarker) != 0) events.push_back("taken");
}

void MemorySetupHost::Crash() {
    events.push_back("crash");
    throw Crashed{};
}

}  // namespace tavrik::setup::test
