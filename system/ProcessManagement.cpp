#include "system/ProcessManagement.h"

#include <cctype>
#include <cstdio>
#include <string>
#include <vector>

#include "platform/Machine.h"

namespace tavrik {

namespace {

bool SameNameIgnoringCase(const std::string& a, const std::string& b) {
    if (a.size() != b.size()) {
        return false;
    }
    for (std::size_t i = 0; i < a.size(); ++i) {
        const auto ca = static_cast<unsigned char>(a[i]);
        const auto cb = static_cast<unsigned char>(b[i]);
        if (std::tolower(ca) != std::tolower(cb)) {
            return false;
        }
    }
    return true;
}

const char* Text(const char* text) { return text != nullptr ? text : ""; }

// The diagnostics need no more than the system's own printf; the runtime's
// C99 one that the C++ library selects would add 20 KB to the program.
#ifdef _WIN32
#define DIAGNOSTIC_PRINTF __ms_printf
#else
#define DIAGNOSTIC_PRINTF std::printf
#endif

}  // namespace

bool ProcessManagement::IsModuleRunning(const char* moduleName, bool* isRunning) {
    DIAGNOSTIC_PRINTF("ProcessManagement::IsModuleRunning(pModuleName='%s', pIsRunning=%p)\n",
                      Text(moduleName), static_cast<void*>(isRunning));
    std::vector<std::string> processes;
    if (!platform::CurrentMachine().ProcessSnapshot(processes)) {
        DIAGNOSTIC_PRINTF(
            "ProcessManagement::IsModuleRunning(): Unable to get the snapshot of processes.\n");
        return false;
    }
    bool running = false;
    for (const auto& exeName : processes) {
        running = SameNameIgnoringCase(Text(moduleName), exeName);
        if (running) {
            if (isRunning != nullptr) *isRunning = true;
            return true;
        }
    }
    if (isRunning != nullptr) *isRunning = running;
    DIAGNOSTIC_PRINTF("ProcessManagement::IsModuleRunning(): '%s' is running=%s\n",
                      Text(moduleName), running ? "true" : "false");
    return false;
}

bool ProcessManagement::Is16bitsModuleRunning(const char* moduleName, bool* isRunning,
                                              const char* windowTitle) {
    DIAGNOSTIC_PRINTF("ProcessManagement::Is16bitsModuleRunning(pModuleName='%s', pIsRunning=%p)\n",
                      Text(moduleName), static_cast<void*>(isRunning));
    std::vector<std::string> processes;
    if (!platform::CurrentMachine().ProcessSnapshot(processes)) {
        DIAGNOSTIC_PRINTF(
            "NrvProcess::IsModuleRunning(): Unable to get the snapshot of processes.\n");
        return false;
    }
    for (const auto& exeName : processes) {
        if (SameNameIgnoringCase(exeName, "NTVDM.EXE") && FindWindowByTitle(windowTitle)) {
            if (isRunning != nullptr) *isRunning = true;
            return true;
        }
    }
    if (isRunning != nullptr) *isRunning = false;
    DIAGNOSTIC_PRINTF("NrvProcess::IsModuleRunning(): '%s' is running=%s\n", Text(moduleName),
                      "false");
    return false;
}

bool FindWindowByTitle(const char* title) {
    const std::string wanted = Text(title);
    if (wanted.empty()) {
        return false;
    }
    const std::vector<std::string> titles = platform::CurrentMachine().TopLevelWindowTitles();
    // The topmost window is the wizard's own (it stays on top): start below it.
    for (std::size_t at = 1; at < titles.size(); ++at) {
        if (!titles[at].empty() && titles[at].find(wanted) != std::string::npos) {
            return true;
        }
    }
    return false;
}

}  // namespace tavrik
