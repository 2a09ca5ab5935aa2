#include "trace/TraceLog.h"

#include "platform/Machine.h"

namespace tavrik {

using platform::CurrentMachine;
using platform::FileAccess;
using platform::FileCreation;

const char* const kTraceLogPath = "C:\\TraceTavrik.log";

void ResetTraceLog() {
    auto& machine = CurrentMachine();
    if (machine.FileExists(kTraceLogPath)) {
        machine.RemoveFile(kTraceLogPath);
    }
    const platform::Handle file =
        machine.OpenFile(kTraceLogPath, FileAccess::Write, FileCreation::CreateAlways);
    if (file != platform::kNoHandle) {
        machine.CloseFile(file);
    }
}

void AppendTraceLine(std::string text) {
    text += "\r\n";
    auto& machine = CurrentMachine();
    const platform::Handle file =
        machine.OpenFile(kTraceLogPath, FileAccess::Write, FileCreation::OpenExisting);
    if (file == platform::kNoHandle) {
        return;
    }
    machine.SeekFile(file, 0, platform::SeekOrigin::End);
    machine.WriteFile(file, text.data(), text.size());
    machine.CloseFile(file);
}

}  // namespace tavrik
