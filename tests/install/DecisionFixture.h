// A wizard on the in-memory machine, prepared as one of the machines the
// installation decision tells apart: versions on the medium and in the
// installed tree, the refused machine type, the independent switch and the
// power supply.
#pragma once

#include <string>
#include <vector>

#include "tests/app/WizardFixture.h"

namespace tavrik::testing {

class DecisionTest : public WizardTest {
protected:
    // VSOFT of the medium's BRENDOL\applic.ini.
    void MediumVersion(const std::string& version);
    // An applic.ini without VSOFT on the medium.
    void MediumWithoutVersion();
    // No applic.ini at all on the medium (the demo medium has one).
    void MediumWithoutApplicIni();
    // The suite installed on D: (a fixed drive) with this VSOFT.
    void InstalledOnD(const std::string& version);
    // PathInstall = D: without an installed tree.
    void PathInstallWithoutTree();
    void RefusedMachineType();
    // ap.ini with INDEPENDANT = value and both titles.
    void Independent(const std::string& value);

    // Runs the yes handler of the language confirmation page (F3).
    void ConfirmLanguage();

    // Trace lines written from now on.
    void MarkTrace() { traceMark_ = TraceLines().size(); }
    std::vector<std::string> NewTraceLines() const;
    // The lines written since the mark are exactly `lines`, followed by the
    // show handler's line of the page reached (none when empty).
    void ExpectNewTrace(const std::vector<std::string>& lines, const std::string& nextLine);

private:
    std::size_t traceMark_ = 0;
};

}  // namespace tavrik::testing
