#include "app/ResumeRecord.h"

#include <cctype>

#include "config/Registry.h"
#include "util/DictionaryNames.h"

namespace tavrik {

const char* const kResumeRecordKey = "SOFTWARE\\NORVA\\BRENDOL_PC\\Reprise";

namespace {

// The record's values, in the order they are written.
enum Value { kInstallation, kPathInstall, kVolumeChosen, kDictionary, kValueCount };
const char* const kValueNames[kValueCount] = {"Installation", "PathInstall", "VolumeChoisi",
                                              "Dictionnaire"};

bool IsDrivePath(const std::string& path) {
    return path.size() >= 2 && std::isalpha(static_cast<unsigned char>(path[0])) != 0 &&
           path[1] == ':';
}

}  // namespace

bool ResumeRecord::operator==(const ResumeRecord& other) const {
    return installation == other.installation && pathInstall == other.pathInstall &&
           volumeChosen == other.volumeChosen && dictionary == other.dictionary;
}

bool WriteResumeRecord(const ResumeRecord& record) {
    DeleteRegKey(kResumeRecordKey);
    const std::string text[kValueCount] = {record.installation ? "1" : "0", record.pathInstall,
                                           record.volumeChosen ? "1" : "0", record.dictionary};
    for (int value = 0; value < kValueCount; ++value) {
        WriteRegString(kResumeRecordKey, kValueNames[value], text[value]);
    }
    ResumeRecord readBack;
    return ReadResumeRecord(readBack) && readBack == record;
}

bool ReadResumeRecord(ResumeRecord& record) {
    if (!RegKeyExists(kResumeRecordKey)) return false;
    std::string text[kValueCount];
    for (int value = 0; value < kValueCount; ++value) {
        ReadRegString(text[value], kResumeRecordKey, kValueNames[value]);
    }
    const auto isFlag = [](const std::string& flag) { return flag == "0" || flag == "1"; };
    if (!isFlag(text[kInstallation]) || !isFlag(text[kVolumeChosen]) ||
        !IsDrivePath(text[kPathInstall]) || !IsDictionaryFileName(text[kDictionary])) {
        return false;
    }
    record = {text[kInstallation] == "1", text[kPathInstall], text[kVolumeChosen] == "1",
              text[kDictionary]};
    return true;
}

}  // namespace tavrik
