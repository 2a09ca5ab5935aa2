// The real wizard, headless, on the in-memory machine with the demo medium
// on drive E: (its INI files, pictures and compiled dictionaries) and the
// real dictionary library of the native build behind the wizard's
// LoadLibrary: what a page's show handler reads, decodes and looks up is
// what it meets on the workshop's medium.
#pragma once

#include <string>

#include "app/EmbeddedWizard.h"
#include "app/Unit1.h"
#include "platform/fake/FakeMachine.h"
#include "platform/fake/ScopedCurrentMachine.h"
#include "vcl/headless/HeadlessHost.h"

namespace tavrik::bench {

class DemoWizard {
public:
    // sourceDir: the source tree (medium/, media/BMP/); nativeMedium: the
    // native build's medium folder (compiled dictionaries); library: the
    // native build's dictionary library.
    DemoWizard(const std::string& sourceDir, const std::string& nativeMedium,
               const std::string& library);
    DemoWizard(const DemoWizard&) = delete;
    DemoWizard& operator=(const DemoWizard&) = delete;

    // Program entry without the blocking loop: the form and its first page.
    void Start();
    TMainForm& Form() { return *wizard_.Form(); }
    // Empty when ready, else what is missing.
    const std::string& Fault() const { return fault_; }

private:
    platform::FakeMachine machine_;
    platform::ScopedCurrentMachine machineScope_{machine_};
    vcl::HeadlessHost host_;
    std::string fault_;
    EmbeddedWizard wizard_{
        host_, [this](int code) { fault_ = "the wizard ended with " + std::to_string(code); }};
};

}  // namespace tavrik::bench
