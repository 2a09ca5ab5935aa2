// What a run decided before the restart page restarted the PC, kept for the
// run that the restart shortcut starts: a sub-key of the product key.
#pragma once

#include <string>

namespace tavrik {

extern const char* const kResumeRecordKey;  // SOFTWARE\NORVA\BRENDOL_PC\Reprise

struct ResumeRecord {
    bool installation = true;   // installation or update (removals never restart)
    std::string pathInstall;    // the volume of the installation ("C:")
    bool volumeChosen = false;  // chosen on the volume page: a first installation
    std::string dictionary;     // the chosen language's dictionary ("THESAURU.DBZ")

    bool operator==(const ResumeRecord& other) const;
};

// Writes the record anew (an older one is replaced) and reads it back:
// false unless the record read equals the one written.
bool WriteResumeRecord(const ResumeRecord& record);

// The record, when its key exists and every value is sound: a volume that
// starts with a drive ("C:"), a dictionary of eight letters or digits and
// ".DBZ". Reading never creates the key.
bool ReadResumeRecord(ResumeRecord& record);

}  // namespace tavrik
