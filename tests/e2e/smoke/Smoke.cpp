// A console program over the real machine that the end-to-end smoke test
// drives step by step; smoke.sh checks the effects from Linux (registry,
// trace log bytes, files) and the lines printed here.
#include <cstdio>
#include <string>
#include <vector>

#include "config/Registry.h"
#include "platform/Machine.h"
#include "platform/win32/Win32Machine.h"
#include "trace/TraceLog.h"

namespace {

using tavrik::platform::CurrentMachine;

const std::string kRunningKey = std::string(tavrik::kProductKey) + "\\APP_Running";

int WriteProductKey() {
    tavrik::WriteRegString(tavrik::kProductKey, "Install", "1");
    tavrik::WriteRegString(tavrik::kProductKey, "PathInstall", "C:");
    tavrik::WriteRegString(tavrik::kProductKey, "Langue", "fr");
    // Two levels below the product key, so that deleting it must recurse.
    CurrentMachine().RegistryOpenKey(kRunningKey + "\\Session", true);
    return 0;
}

int ReadProductValue(const std::string& name) {
    std::string value;
    tavrik::ReadRegString(value, tavrik::kProductKey, name);
    std::printf("%s=%s\n", name.c_str(), value.c_str());
    return 0;
}

int KeyExists(const std::string& key) {
    std::printf("%s\n", tavrik::RegKeyExists(key) ? "exists" : "missing");
    return 0;
}

// Lines whose bytes smoke.sh knows: an empty line, single-byte accented
// letters (code page 1252) and a text that already ends with CR LF.
int WriteTrace() {
    tavrik::ResetTraceLog();
    tavrik::AppendTraceLine("Tavrik smoke");
    tavrik::AppendTraceLine("");
    tavrik::AppendTraceLine("Install\xe9 \xe0 100%");
    tavrik::AppendTraceLine("fin\r\n");
    return 0;
}

int ListFixedDrives() {
    for (const std::string& root : CurrentMachine().FixedDrives()) {
        std::printf("%s\n", root.c_str());
    }
    return 0;
}

int RunChild(const std::string& commandLine, const std::string& directory) {
    auto& machine = CurrentMachine();
    tavrik::platform::StartOptions options;
    options.hidden = true;
    options.currentDirectory = directory;
    tavrik::platform::ProcessInfo info;
    if (!machine.StartProcess(commandLine, options, info)) {
        std::printf("start failed\n");
        return 0;
    }
    const auto waited = machine.WaitForProcess(info.process, 30000);
    std::uint32_t code = 0;
    const bool known = machine.ProcessExitCode(info.process, code);
    machine.CloseHandle(info.thread);
    machine.CloseHandle(info.process);
    if (waited != tavrik::platform::WaitResult::Signalled || !known) {
        std::printf("child did not end\n");
        return 1;
    }
    std::printf("exit=%u\n", code);
    return 0;
}

int PrintVersion() {
    tavrik::platform::OsVersion version;
    if (!CurrentMachine().WindowsVersion(version)) {
        std::printf("version unreadable\n");
        return 0;
    }
    std::printf("version %u.%u build %u platform %u '%s'\n", version.major, version.minor,
                version.build, version.platformId, version.servicePack.c_str());
    return 0;
}

int Usage() {
    std::fputs(
        "usage: smoke registry-write | registry-read NAME | registry-delete-value NAME |\n"
        "             registry-delete-key | key-exists KEY | trace | trace-append TEXT |\n"
        "             drives | child COMMAND_LINE [DIRECTORY] | version\n",
        stderr);
    return 2;
}

}  // namespace

int main(int argc, char** argv) {
    tavrik::platform::InstallWin32Machine();
    const std::vector<std::string> args(argv + 1, argv + argc);
    if (args.empty()) {
        return Usage();
    }
    const std::string& command = args[0];
    if (command == "registry-write" && args.size() == 1) {
        return WriteProductKey();
    }
    if (command == "registry-read" && args.size() == 2) {
        return ReadProductValue(args[1]);
    }
    if (command == "registry-delete-value" && args.size() == 2) {
        tavrik::DeleteRegValue(tavrik::kProductKey, args[1]);
        return 0;
    }
    if (command == "registry-delete-key" && args.size() == 1) {
        tavrik::DeleteRegKey(tavrik::kProductKey);
        return 0;
    }
    if (command == "key-exists" && args.size() == 2) {
        return KeyExists(args[1]);
    }
    if (command == "trace" && args.size() == 1) {
        return WriteTrace();
    }
    if (command == "trace-append" && args.size() == 2) {
        tavrik::AppendTraceLine(args[1]);
        return 0;
    }
    if (command == "drives" && args.size() == 1) {
        return ListFixedDrives();
    }
    if (command == "child" && (args.size() == 2 || args.size() == 3)) {
        return RunChild(args[1], args.size() == 3 ? args[2] : std::string());
    }
    if (command == "version" && args.size() == 1) {
        return PrintVersion();
    }
    return Usage();
}
