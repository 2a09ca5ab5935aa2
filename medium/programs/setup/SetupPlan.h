// What one run of the demo setup does, read from its response file:
//
//   [Setup]     Action=install | remove           (required)
//   [Progress]  Steps=6          progress steps reported, 0 to 100
//               StepMs=300       pause before each step, 0 to 10000
//               MarkerWaitMs=10000  how long a step waits for its marker to
//                                be taken, 0 to 60000
//   [Faults]    Outcome=success | fail | crash
//               HangSeconds=0    a pause halfway, 0 to 600
//
// Words compare without regard to case; a missing key takes its default.
// The [Faults] section lets tests make the setup misbehave.
#pragma once

#include <functional>
#include <string>

namespace tavrik::setup {

enum class Action { Install, Remove };
enum class Outcome { Success, Fail, Crash };

struct SetupPlan {
    Action action = Action::Install;
    int steps = 6;
    int stepMs = 300;
    int markerWaitMs = 10000;
    Outcome outcome = Outcome::Success;
    int hangSeconds = 0;
};

// Reads the value of a key of the response file; empty when absent.
using ResponseValue =
    std::function<std::string(const std::string& section, const std::string& key)>;

// False, with a sentence naming the faulty key in `error`, when a value is
// missing or not one the plan allows; the plan is then left unchanged.
bool ReadSetupPlan(const ResponseValue& value, SetupPlan& plan, std::string& error);

}  // namespace tavrik::setup
