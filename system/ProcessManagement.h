// Whether programs of the served suite are running: by executable name, or
// for the 16-bit program by its virtual-DOS-machine process and window
// title. Diagnostics go to standard output, not to the trace log.
#pragma once

namespace tavrik {

class ProcessManagement {
public:
    // True when a process with this executable name (whole name, any case)
    // is running. The out flag is written for the diagnostics only.
    static bool IsModuleRunning(const char* moduleName, bool* isRunning);

    // True when an "NTVDM.EXE" process runs and a top-level window title
    // contains windowTitle. The module name serves the diagnostics only.
    static bool Is16bitsModuleRunning(const char* moduleName, bool* isRunning,
                                      const char* windowTitle);
};

// True when a top-level window below the topmost one has a title that
// contains the text (case-sensitive). An empty text never matches.
bool FindWindowByTitle(const char* title);

}  // namespace tavrik
