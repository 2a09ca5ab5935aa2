#include "SetupPlan.h"

#include <cctype>
#include <string>

namespace tavrik::setup {

namespace {

std::string Lower(std::string text) {
    for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return text;
}

// Only plain decimal digits: "3x", "-1" and "" are refused, not cut short.
bool ReadNumber(const std::string& text, int low, int high, int& number) {
    if (text.empty() || text.size() > 6) return false;
    int parsed = 0;
    for (char c : text) {
        if (!std::isdigit(static_cast<unsigned char>(c))) return false;
        parsed = parsed * 10 + (c - '0');
    }
    if (parsed < low || parsed > high) return false;
    number = parsed;
    return true;
}

struct Reader {
    const ResponseValue& value;
    std::string& error;

    bool Number(const char* section, const char* key, int low, int high, int& number) {
        const std::string text = value(section, key);
        if (text.empty() || ReadNumber(text, low, high, number)) return true;
        error = std::string("[") + section + "] " + key + "=" + text +
                " is not a whole number from " + std::to_string(low) + " to " +
                std::to_string(high);
        return false;
    }
};

}  // namespace

bool ReadSetupPlan(const ResponseValue& value, SetupPlan& plan, std::string& error) {
    SetupPlan read;
    const std::string action = value("Setup", "Action");
    if (Lower(action) == "install") {
        read.action = Action::Install;
    } else if (Lower(action) == "remove") {
        read.action = Action::Remove;
    } else {
        error = action.empty() ? "no [Setup] Action (install or remove)"
                               : "[Setup] Action=" + action + " is neither install nor remove";
        return false;
    }

    const std::string outcome = Lower(value("Faults", "Outcome"));
    if (outcome == "fail") {
        read.outcome = Outcome::Fail;
    } else if (outcome == "crash") {
        read.outcome = Outcome::Crash;
    } else if (!outcome.empty() && outcome != "success") {
        error =
            "[Faults] Outcome=" + value("Faults", "Outcome") + " is none of success, fail, crash";
        return false;
    }

    Reader reader{value, error};
    if (!reader.Number("Progress", "Steps", 0, 100, read.steps) ||
        !reader.Number("Progress", "StepMs", 0, 10000, read.stepMs) ||
        !reader.Number("Progress", "MarkerWaitMs", 0, 60000, read.markerWaitMs) ||
        !reader.Number("Faults", "HangSeconds", 0, 600, read.hangSeconds)) {
        return false;
    }
    plan = read;
    return true;
}

}  // namespace tavrik::setup
