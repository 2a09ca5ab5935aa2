// The product key's Install value: the installation state the wizard
// records before a setup runs, and the outcome the setup leaves there.
#pragma once

#include <string>

namespace tavrik {

// The trace line of a run that could not record the installation state.
extern const char* const kInstallStateNotRecorded;

// Writes Install and reads it back. False when the PC did not keep it (no
// administrator rights): a setup started then would leave no outcome the
// wizard could trust.
bool RecordInstallState(const std::string& value);

// The setup succeeded: Install is missing (a removal deleted the key) or
// holds the string "0" or nothing. A value of another type is a failure.
bool InstallStateReadsSuccess();

}  // namespace tavrik
