#include "app/RestartResume.h"

#include "app/ProgramState.h"
#include "app/ResumeRecord.h"
#include "config/Registry.h"
#include "platform/Machine.h"
#include "trace/TraceLog.h"
#include "vcl/Application.h"
#include "vcl/Component.h"

namespace tavrik {

const char* const kResumeShortcut = "C:\\Tavrik.lnk";
const char* const kResumeRunOnceValue = "Install";
const char* const kResumeRunOnceData = "c:\\Tavrik.lnk";
const char* const kResumeArgument = "-reboot";

namespace {

// The run-once value is removed only when it is the one the restart page
// writes: the value's name is common, another program may own it.
bool RemoveRunOnceValue() {
    if (!RegKeyExists(kRunOnceKey)) return true;
    std::string data;
    ReadRegString(data, kRunOnceKey, kResumeRunOnceValue);
    if (!vcl::SameText(data, kResumeRunOnceData)) return true;
    DeleteRegValue(kRunOnceKey, kResumeRunOnceValue);
    ReadRegString(data, kRunOnceKey, kResumeRunOnceValue);
    return data.empty();
}

// The application's Tag tells the pages (RunFollowsRestart).
void MarkResumed(bool resumed) {
    if (vcl::Application() != nullptr) vcl::Application()->SetTag(resumed ? 1 : 0);
}

void Resume(const ResumeRecord& record) {
    AppendTraceLine("Reprise apres redemarrage : " + record.dictionary + " sur " +
                    record.pathInstall + (record.volumeChosen ? ", premiere installation" : ""));
    if (!platform::CurrentMachine().FileExists(kResumeShortcut)) {
        AppendTraceLine("Raccourci de reprise absent");
    }
    State.IsInstallation = record.installation;
    State.InstallPathChosen = record.volumeChosen;
    State.DictionaryFileName = record.dictionary;
    WriteRegString(kProductKey, "PathInstall", record.pathInstall);
    MarkResumed(true);
}

}  // namespace

bool DisarmResume() {
    auto& machine = platform::CurrentMachine();
    if (RegKeyExists(kResumeRecordKey)) {
        DeleteRegKey(kResumeRecordKey);
    }
    if (machine.FileExists(kResumeShortcut)) {
        machine.RemoveFile(kResumeShortcut);
    }
    const bool disarmed = RemoveRunOnceValue() && !RegKeyExists(kResumeRecordKey) &&
                          !machine.FileExists(kResumeShortcut);
    if (!disarmed) AppendTraceLine("Reprise non desarmee");
    return disarmed;
}

void DecideResume(const std::string& commandLine) {
    MarkResumed(false);
    const bool reboot = commandLine == kResumeArgument;
    const bool recordLeft = RegKeyExists(kResumeRecordKey);
    ResumeRecord record;
    const bool recordSound = ReadResumeRecord(record);
    if (reboot && recordSound) {
        Resume(record);
    } else if (reboot) {
        AppendTraceLine(recordLeft
                            ? "Lancement ordinaire : enregistrement de reprise illisible"
                            : "Lancement ordinaire : -reboot sans enregistrement de reprise");
    } else if (!commandLine.empty()) {
        AppendTraceLine("Lancement ordinaire : argument non reconnu");
    }
    if (recordLeft && !reboot) {
        AppendTraceLine("Enregistrement de reprise d'un lancement precedent supprime");
    }
    if (reboot || recordLeft) {
        DisarmResume();
    }
}

}  // namespace tavrik
