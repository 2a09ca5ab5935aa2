#include "app/ResumeRecord.h"

#include <cctype>

#include "config/Registry.h"

namespace tavrik {

const char* const kResumeRecordKey = "SOFTWARE\\NORVA\\BRENDOL_PC\\Reprise";

namespace {

const char* const kInstallationValue = "Installation";
const char* const kPathInstallValue = "PathInstall";
const char* const kVolumeChosenValue = "VolumeChoisi";
const char* const kDictionaryValue = "Dictionnaire";

bool IsDrivePath(const std::string& path) {
    return path.size() >= 2 && std::isalpha(static_cast<unsigned char>(path[0])) != 0 &&
           path[1] == ':';
}

// "THESAURU.DBZ": a bare name the dictionary library opens in its own folder.
bool IsDictionaryFile(const std::string& file) {
    if (file.size() != 12 || file.compare(8, 4, ".DBZ") != 0) return false;
    for (std::string::size_type i = 0; i < 8; ++i) {
        if (std::isalnum(static_cast<unsigned char>(file[i])) == 0) return false;
    }
    return true;
}

std::string Flag(bool value) { return value ? "1" : "0"; }

std::string Value(const char* name) {
    std::string text;
    ReadRegString(text, kResumeRecordKey, name);
    return text;
}

}  // namespace

bool ResumeRecord::operator==(const ResumeRecord& other) const {
    return installation == other.installation && pathInstall == other.pathInstall &&
           volumeChosen == other.volumeChosen && dictionary == other.dictionary;
}

bool WriteResumeRecord(const ResumeRecord& record) {
    DeleteRegKey(kResumeRecordKey);
    WriteRegString(kResumeRecordKey, kInstallationValue, Flag(record.installation));
    WriteRegString(kResumeRecordKey, kPathInstallValue, record.pathInstall);
    WriteRegString(kResumeRecordKey, kVolumeChosenValue, Flag(record.volumeChosen));
    WriteRegString(kResumeRecordKey, kDictionaryValue, record.dictionary);
    ResumeRecord readBack;
    return ReadResumeRecord(readBack) && readBack == record;
}

bool ReadResumeRecord(ResumeRecord& record) {
    if (!RegKeyExists(kResumeRecordKey)) return false;
    const std::string installation = Value(kInstallationValue);
    const std::string volumeChosen = Value(kVolumeChosenValue);
    ResumeRecord read;
    read.installation = installation == "1";
    read.pathInstall = Value(kPathInstallValue);
    read.volumeChosen = volumeChosen == "1";
    read.dictionary = Value(kDictionaryValue);
    const auto isFlag = [](const std::string& text) { return text == "0" || text == "1"; };
    if (!isFlag(installation) || !isFlag(volumeChosen) || !IsDrivePath(read.pathInstall) ||
        !IsDictionaryFile(read.dictionary)) {
        return false;
    }
    record = read;
    return true;
}

}  // namespace tavrik
