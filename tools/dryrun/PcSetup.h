// Makes the in-memory PC a dry run drives: the registry from the export,
// what the options tell of the rest, and the medium as its CD-ROM drive.
#pragma once

#include <stdexcept>
#include <string>
#include <vector>

#include "Options.h"
#include "RegFile.h"
#include "platform/fake/FakeMachine.h"

namespace tavrik::dryrun {

// A file of this machine that cannot be read.
class InputError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Returns notes on what of the export the PC does not take (other roots);
// throws RegFileError for an operation the registry refuses, InputError for
// an unreadable medium or file.
std::vector<std::string> PreparePc(platform::FakeMachine& machine, const Options& options,
                                   const std::vector<RegOperation>& registry,
                                   const std::string& lx32Library);

std::string ReadHostFile(const std::string& path);

}  // namespace tavrik::dryrun
