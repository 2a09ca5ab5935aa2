// Why a page refuses the PC and what page 6 shows once the work stops, in
// the dry run's words, from the wizard's state and the PC: the wizard's
// texts come from the dictionaries, which a dry run does not read.
#pragma once

#include <string>

#include "Options.h"

namespace tavrik::dryrun {

// Why page 7 ends the run; empty when it goes on.
std::string Page7Refusal(const Options& options);

// Why page 2 ends the run: the versions or the machine type.
std::string Page2Refusal();

// A note when the wizard's byte-wise comparison of the medium's and the
// installed version orders them otherwise than their numbers; empty else.
std::string VersionOrderNote();

// What page 6 shows once nothing of the work runs any more. setupEnded:
// the setup's timer saw it end (otherwise it could not start); validated:
// validate was pressed since (FinInstall's closing message).
std::string Page6Outcome(bool setupEnded, bool validated);

}  // namespace tavrik::dryrun
