// The dry run's command line: the medium, the PC's registry export, what
// an export does not hold, and the technician's choices.
#pragma once

#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "ProgramOutcomes.h"

namespace tavrik::dryrun {

enum class Power { Mains, Battery, Unknown };

struct Options {
    std::string medium;       // a folder on this machine
    std::string machineFile;  // the .reg export
    std::uint32_t windowsMajor = 5;
    std::uint32_t windowsMinor = 1;
    std::string systemLanguage = "en";  // ISO 639 name of the default locale
    Power power = Power::Mains;
    std::vector<char> fixedDrives{'C'};
    std::vector<std::string> running;  // executable names in the process list
    bool diagnosticServiceRunning = false;
    // The technician is no administrator: nothing under HKEY_LOCAL_MACHINE
    // can be written, created or deleted (values can still be read).
    bool registryDenied = false;
    std::string language;  // a flag's number (from 1) or code; empty: the preselected one
    bool remove = false;
    bool acceptLicence = true;
    // The run the restart shortcut starts (tavrik.exe -reboot).
    bool afterRestart = false;
    char volume = 'C';
    char mediumDrive = 'D';
    // Files of the PC: (Windows path, file on this machine).
    std::vector<std::pair<std::string, std::string>> files;
    std::vector<std::pair<std::string, std::string>> environment;
    ProgramOutcomes programs;
    bool help = false;
};

class OptionError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Throws OptionError with what is wrong.
Options ParseOptions(const std::vector<std::string>& arguments);
std::string HelpText();

}  // namespace tavrik::dryrun
