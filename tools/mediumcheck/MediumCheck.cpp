#include "MediumCheck.h"

#include "Checks.h"
#include "MediumMachine.h"

namespace tavrik::mediumcheck {

std::vector<Finding> CheckMedium() {
    Findings findings;
    CheckPrograms(findings);
    CheckSettings(findings);
    CheckNames(findings);
    CheckEncodings(findings);
    CheckComponents(findings);
    CheckLanguages(findings);
    CheckPictures(findings);
    return findings.All();
}

bool CheckMediumFolder(const std::string& folder, std::vector<Finding>& findings,
                       std::string& error) {
    MediumMachine machine;
    Findings loading;
    if (!machine.Open(folder, loading, error)) {
        return false;
    }
    findings = loading.All();
    const std::vector<Finding> found = CheckMedium();
    findings.insert(findings.end(), found.begin(), found.end());
    return true;
}

}  // namespace tavrik::mediumcheck
