// A whole wizard on the in-memory machine and the headless host: the demo
// medium on drive E: (a CD-ROM; three of its flags: FR, GB, RU in listing
// order), the trace log on C:, and a scripted
// dictionary library whose phrases name their dictionary and number, so a
// test sees which text came from where.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "app/EmbeddedWizard.h"
#include "app/Unit1.h"
#include "platform/fake/FakeMachine.h"
#include "platform/fake/ScopedCurrentMachine.h"
#include "vcl/Application.h"
#include "vcl/headless/HeadlessHost.h"

namespace tavrik::testing {

class WizardTest : public ::testing::Test {
protected:
    WizardTest();

    // Program entry without a blocking loop: the application with its Tag,
    // the form and its first showing.
    void StartWizard(const std::string& commandLine = "");
    // What the restart page records of a French update on C:, and the run
    // its shortcut starts after the restart.
    void LeaveResumeRecord();
    void StartResumedWizard();
    TMainForm& Form() { return *wizard_.Form(); }
    bool Started() const { return wizard_.Form() != nullptr; }

    std::uint16_t Press(std::uint16_t key, vcl::ShiftState shift = 0);
    void Click(vcl::TControl* control) { host.Click(*control); }
    int Page() const { return wizard_.Form()->ActivePage(); }
    bool Closed() const;

    // The scripted library answers this text for the number, whatever the
    // dictionary.
    void SetPhrase(long number, const std::string& text);

    std::string TraceLog() const;
    std::vector<std::string> TraceLines() const;
    // The trace holds this line; the failure shows the whole trace.
    ::testing::AssertionResult Traced(const std::string& line) const;
    std::string RegistryString(const std::string& key, const std::string& name) const;

    // The power supply the machine reports: 0 battery, 1 mains, 255 unknown.
    void AcLine(std::uint8_t status);

    // Replaces a file of the medium (a CD-ROM the wizard cannot write).
    void PutOnMedium(const std::string& relativePath, const std::string& bytes);
    void RemoveFromMedium(const std::string& relativePath);

    platform::FakeMachine machine;
    platform::ScopedCurrentMachine machineScope{machine};
    vcl::HeadlessHost host;
    std::vector<int> processExits;
    vcl::TApplication* application = nullptr;  // of the last start

private:
    EmbeddedWizard wizard_{host, [this](int code) { processExits.push_back(code); }};
};

// Text the scripted library answers for a phrase: "<dictionary>#<number>",
// e.g. "THESAUFR#47044" (first letter as given; the wizard capitalises).
std::string ScriptedPhrase(const std::string& dictionary, long number);

}  // namespace tavrik::testing
