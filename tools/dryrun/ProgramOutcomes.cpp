#include "ProgramOutcomes.h"

#include <cctype>
#include <cstdlib>

#include "Options.h"
#include "platform/fake/FakeProcesses.h"

namespace tavrik::dryrun {

namespace {

constexpr std::uint32_t kSetupFailureCode = 0xFFFFFFFFu;  // the demo setup's -1

std::string Lower(std::string text) {
    for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return text;
}

// A decimal exit code; a negative one as Windows reports it (-1 is 4294967295).
std::uint32_t ExitCode(const std::string& text) {
    const bool negative = !text.empty() && text[0] == '-';
    const std::string digits = negative ? text.substr(1) : text;
    const bool decimal = !digits.empty() && digits.size() <= 10 &&
                         digits.find_first_not_of("0123456789") == std::string::npos;
    const unsigned long long value = decimal ? std::strtoull(digits.c_str(), nullptr, 10) : 0;
    if (!decimal || value > (negative ? 0x80000000ull : 0xFFFFFFFFull)) {
        throw OptionError("--exit: \"" + text + "\" is not an exit code (0, 2, -1...)");
    }
    return negative ? static_cast<std::uint32_t>(0x100000000ull - value)
                    : static_cast<std::uint32_t>(value);
}

// The file names a command line answers to: its program's and its first
// argument's (the script a script host runs).
std::vector<std::string> NamesOf(const std::string& commandLine) {
    std::vector<std::string> names{Lower(platform::ExecutableName(commandLine))};
    const std::size_t program = commandLine.find_first_not_of(" \t");
    const std::size_t space = commandLine.find_first_of(" \t", program);
    if (program != std::string::npos && commandLine[program] != '"' && space != std::string::npos) {
        std::string argument = platform::ExecutableName(commandLine.substr(space));
        if (argument.find('.') != std::string::npos) names.push_back(Lower(argument));
    }
    return names;
}

}  // namespace

bool ParseProgramOption(ProgramOutcomes& outcomes, const std::string& option,
                        const std::string& value) {
    if (option == "--setup") {
        if (value != "success" && value != "fail") {
            throw OptionError("--setup: success or fail, not \"" + value + "\"");
        }
        outcomes.setupSucceeds = value == "success";
        return true;
    }
    if (option != "--exit") return false;
    const std::size_t equals = value.rfind('=');
    if (equals == std::string::npos) {
        outcomes.otherExitCode = ExitCode(value);
    } else if (equals == 0) {
        throw OptionError("--exit: \"" + value + "\" names no program (compmark.exe=0)");
    } else {
        outcomes.exitCodes.emplace_back(Lower(value.substr(0, equals)),
                                        ExitCode(value.substr(equals + 1)));
    }
    return true;
}

std::optional<ProgramOutcome> OutcomeOf(const ProgramOutcomes& outcomes,
                                        const std::string& commandLine) {
    const std::vector<std::string> names = NamesOf(commandLine);
    ProgramOutcome outcome;
    outcome.isSetup = names.front() == "setup.exe";
    std::optional<std::uint32_t> code;
    for (auto it = outcomes.exitCodes.rbegin(); it != outcomes.exitCodes.rend() && !code; ++it) {
        for (const std::string& name : names) {
            if (it->first == name) code = it->second;
        }
    }
    if (outcome.isSetup && outcomes.setupSucceeds) {
        outcome.setupSucceeds = *outcomes.setupSucceeds;
        outcome.exitCode = code.value_or(outcome.setupSucceeds ? 0 : kSetupFailureCode);
        return outcome;
    }
    if (!code) code = outcomes.otherExitCode;
    if (!code) return std::nullopt;
    outcome.exitCode = *code;
    outcome.setupSucceeds = *code == 0;
    return outcome;
}

}  // namespace tavrik::dryrun
