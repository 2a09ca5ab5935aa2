// One run of the demo setup, from its command line to its result:
//
//   <program> -s -f1<response file> -f2<log file>
//
// The response file (SetupPlan.h) says what to do; PathInstall of the
// product key says where. The application folder <NAME>\ beside the program
// (NAME from its tavrik.ini) is copied to PathInstall\APP\<NAME>\, or that
// folder is removed. Half the progress steps (ProgressMarkers.h), the hang,
// then the work (or the injected failure or crash in its place), then the
// other steps on success. On success Install = "0" in the product key; on
// failure the "1" the wizard wrote stays.
//
// The log (-f2; without it setup.log in the temporary folder) is an INI
// file, written at the start with ResultCode=-6 and again at the end, so a
// run that crashes or is stopped leaves a failure behind:
//
//   [ResponseResult]
//   ResultCode=-3
//   Action=install
//   Message=no PathInstall value in HKLM\SOFTWARE\NORVA\BRENDOL_PC
#pragma once

#include <string>

#include "SetupHost.h"

namespace tavrik::setup {

// The result codes of the log, also the program's exit code.
enum ResultCode : int {
    kSucceeded = 0,
    kFailureAsked = -1,   // the response file's [Faults] Outcome=fail
    kBadRequest = -2,     // no or unreadable response file, or a bad value in it
    kNoInstallPath = -3,  // no PathInstall in the product key
    kNoPayload = -4,      // no NAME, or no application folder on the medium
    kWorkFailed = -5,     // a file could not be copied or removed
    kNotFinished = -6,    // written first: a run that stops early leaves it
};

int RunSetupProgram(const std::string& commandLine, SetupHost& host);

}  // namespace tavrik::setup
