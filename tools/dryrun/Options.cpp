#include "Options.h"

#include <cctype>

namespace tavrik::dryrun {

namespace {

// Windows' locale identifiers of the languages a medium names in
// CodeAssOS.ini, to the ISO 639 name the system reports.
constexpr std::pair<std::uint32_t, const char*> kLocales[] = {
    {0x040C, "fr"}, {0x080C, "fr"}, {0x0409, "en"}, {0x0809, "en"}, {0x0407, "de"}, {0x0C0A, "es"},
    {0x040A, "es"}, {0x0410, "it"}, {0x0413, "nl"}, {0x0816, "pt"}, {0x0416, "pt"}, {0x0415, "pl"},
    {0x0405, "cs"}, {0x040E, "hu"}, {0x0419, "ru"}, {0x0408, "el"}, {0x041F, "tr"}, {0x041D, "sv"}};

std::string Lower(std::string text) {
    for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return text;
}

std::string SystemLanguage(const std::string& given) {
    if (given.size() == 2 && std::isalpha(static_cast<unsigned char>(given[0])) &&
        std::isalpha(static_cast<unsigned char>(given[1]))) {
        return Lower(given);
    }
    std::size_t used = 0;
    unsigned long lcid = 0;
    try {
        lcid = std::stoul(given, &used, 16);
    } catch (const std::exception&) {
        used = 0;
    }
    if (used == given.size() && used > 0) {
        for (const auto& [id, name] : kLocales) {
            if (id == lcid) return name;
        }
    }
    throw OptionError("--system-language: unknown language \"" + given +
                      "\" (a locale identifier such as 040C, or a name such as fr)");
}

char DriveLetter(const std::string& option, const std::string& given) {
    const bool letter = !given.empty() && std::isalpha(static_cast<unsigned char>(given[0]));
    if (!letter || given.size() > 3 || (given.size() >= 2 && given[1] != ':') ||
        (given.size() == 3 && given[2] != '\\')) {
        throw OptionError(option + ": \"" + given + "\" is not a drive (C: for instance)");
    }
    return static_cast<char>(std::toupper(static_cast<unsigned char>(given[0])));
}

void Windows(Options& options, const std::string& given) {
    const std::string name = Lower(given);
    if (name == "xp" || name == "5.1") {
        options.windowsMajor = 5;
        options.windowsMinor = 1;
    } else if (name == "2000" || name == "5.0") {
        options.windowsMajor = 5;
        options.windowsMinor = 0;
    } else if (name == "vista" || name == "6.0") {
        options.windowsMajor = 6;
        options.windowsMinor = 0;
    } else if (name == "98" || name == "4.10") {
        options.windowsMajor = 4;
        options.windowsMinor = 10;
    } else {
        throw OptionError("--windows: unknown version \"" + given +
                          "\" (xp, 2000, vista, 98, or 5.1...)");
    }
}

// "NAME=VALUE" or "WINDOWS_PATH=FILE".
std::pair<std::string, std::string> Pair(const std::string& option, const std::string& given) {
    const std::size_t equals = given.find('=');
    if (equals == std::string::npos || equals == 0) {
        throw OptionError(option + ": \"" + given + "\" lacks its '='");
    }
    return {given.substr(0, equals), given.substr(equals + 1)};
}

}  // namespace

Options ParseOptions(const std::vector<std::string>& arguments) {
    Options options;
    std::vector<std::string> positional;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& option = arguments[i];
        if (option == "--help" || option == "-h") {
            options.help = true;
            return options;
        }
        if (option == "--after-restart") {
            options.afterRestart = true;
            continue;
        }
        if (option.rfind("--", 0) != 0) {
            positional.push_back(option);
            continue;
        }
        if (i + 1 >= arguments.size()) throw OptionError(option + ": a value is missing");
        const std::string& value = arguments[++i];
        if (ParseProgramOption(options.programs, option, value)) continue;
        if (option == "--machine") {
            options.machineFile = value;
        } else if (option == "--windows") {
            Windows(options, value);
        } else if (option == "--system-language") {
            options.systemLanguage = SystemLanguage(value);
        } else if (option == "--power") {
            if (value == "mains")
                options.power = Power::Mains;
            else if (value == "battery")
                options.power = Power::Battery;
            else if (value == "unknown")
                options.power = Power::Unknown;
            else
                throw OptionError("--power: mains, battery or unknown, not \"" + value + "\"");
        } else if (option == "--drive") {
            const char drive = DriveLetter(option, value);
            if (drive != 'C') options.fixedDrives.push_back(drive);
        } else if (option == "--running") {
            options.running.push_back(value);
        } else if (option == "--diagnostic-service") {
            if (value != "running" && value != "stopped") {
                throw OptionError("--diagnostic-service: running or stopped, not \"" + value +
                                  "\"");
            }
            options.diagnosticServiceRunning = value == "running";
        } else if (option == "--rights") {
            if (value != "administrator" && value != "user") {
                throw OptionError("--rights: administrator or user, not \"" + value + "\"");
            }
            options.registryDenied = value == "user";
        } else if (option == "--language") {
            options.language = value;
        } else if (option == "--choice") {
            if (value != "reinstall" && value != "remove") {
                throw OptionError("--choice: reinstall or remove, not \"" + value + "\"");
            }
            options.remove = value == "remove";
        } else if (option == "--licence") {
            if (value != "accept" && value != "refuse") {
                throw OptionError("--licence: accept or refuse, not \"" + value + "\"");
            }
            options.acceptLicence = value == "accept";
        } else if (option == "--volume") {
            options.volume = DriveLetter(option, value);
        } else if (option == "--medium-drive") {
            options.mediumDrive = DriveLetter(option, value);
        } else if (option == "--file") {
            options.files.push_back(Pair(option, value));
        } else if (option == "--env") {
            options.environment.push_back(Pair(option, value));
        } else {
            throw OptionError("unknown option " + option + " (see --help)");
        }
    }
    if (positional.size() != 1) throw OptionError("one MEDIUM folder expected (see --help)");
    options.medium = positional[0];
    if (options.machineFile.empty()) throw OptionError("--machine PC.reg is required (see --help)");
    for (const char drive : options.fixedDrives) {
        if (drive == options.mediumDrive) {
            throw OptionError(std::string("drive ") + drive +
                              ": cannot be both fixed and the medium");
        }
    }
    return options;
}

std::string HelpText() {
    return R"(usage: tavrik-dryrun MEDIUM --machine PC.reg [options]

Runs the wizard of MEDIUM (a folder) without a window on an in-memory PC
made from PC.reg, a registry export ("regedit /e", REGEDIT4 or version 5.00,
ANSI or UTF-16), and prints its road: each page shown, each trace line,
each registry write, each program it would start, and where it stops.
Nothing is started and nothing on this machine is changed.

The PC (what an export does not hold):
  --windows V             xp (5.1, default), 2000 (5.0), vista (6.0), 98 (4.10)
  --system-language L     the system's language: a locale identifier (040C,
                          0409...) or an ISO 639 name (fr, en...); default en
  --power P               mains (default), battery or unknown
  --drive X:              another fixed drive (C: is always there); repeatable
  --medium-drive X:       the CD-ROM drive that holds the medium; default D:
  --running NAME.EXE      a program in the process list; repeatable
  --diagnostic-service S  running or stopped (default): the suite's service
  --rights R              administrator (default) or user: a technician who
                          cannot write under HKEY_LOCAL_MACHINE
  --file WINPATH=FILE     a file of the PC, e.g.
                          C:\APP\BRENDOL\applic.ini=applic.ini; repeatable
  --env NAME=VALUE        an environment variable, e.g. TYPEPOSTE=FIXE

The technician:
  --language N|CODE       the flag chosen on page 4: its number (from 1, in
                          the medium's order) or its code (FR, GB...);
                          default the preselected flag
  --volume X:             the volume chosen on page 1; default C:
  --choice C              page 3: reinstall (default) or remove
  --licence L             page 8: accept (default) or refuse
  --after-restart         started as the restart page's shortcut starts it
                          (tavrik.exe -reboot); it resumes the installation
                          when PC.reg holds the page's resume record

The programs the wizard starts (a program nothing here names stops the
road at its start, since what follows depends on it):
  --exit NAME=CODE        the exit code of the program NAME: its file name
                          as the start line shows it (compmark.exe,
                          setup.exe) or the script's (updateqxd.vbs);
                          repeatable
  --exit CODE             the exit code of every program not named
  --setup S               success (it clears the product key's Install) or
                          fail (it leaves it, exit code -1); without it the
                          setup succeeds when its exit code is 0

Exit codes: 0 the road was printed; 2 a bad command line or PC.reg (named
with its line number); 1 the medium or a file cannot be read.
)";
}

}  // namespace tavrik::dryrun
