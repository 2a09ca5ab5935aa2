// What the medium's programs do in a dry run, as the author says: an exit
// code by program name, one for every other program, and the setup's
// outcome. A program the author says nothing of stops the road at its start.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace tavrik::dryrun {

struct ProgramOutcomes {
    // (program file name as the start line shows it, exit code).
    std::vector<std::pair<std::string, std::uint32_t>> exitCodes;
    std::optional<std::uint32_t> otherExitCode;
    // The setup clears the product key's Install (success) or leaves it.
    std::optional<bool> setupSucceeds;
};

// What a started command line does.
struct ProgramOutcome {
    std::uint32_t exitCode = 0;
    bool isSetup = false;
    bool setupSucceeds = false;
};

// Takes --exit NAME=CODE, --exit CODE and --setup success|fail; false for
// any other option. Throws OptionError for a bad value.
bool ParseProgramOption(ProgramOutcomes& outcomes, const std::string& option,
                        const std::string& value);

// The outcome of a command line, by its program's file name or, for a
// script host, its script's ("cscript.exe updateqxd.vbs" answers to
// updateqxd.vbs too); none when the author said nothing that applies.
std::optional<ProgramOutcome> OutcomeOf(const ProgramOutcomes& outcomes,
                                        const std::string& commandLine);

}  // namespace tavrik::dryrun
