// The real wizard, headless, on the in-memory machine with the demo medium
// on drive E: (its INI files, pictures and compiled dictionaries) and the
// real dictionary library of the native build behind the wizard's
// LoadLibrary: what a page's show handler reads, decodes and looks up is
// what it meets on the workshop's medium.
#pragma once

#include <memory>
#include <string>

#include "app/Unit1.h"
#include "platform/fake/FakeMachine.h"
#include "platform/fake/ScopedCurrentMachine.h"
#include "vcl/Application.h"
#include "vcl/headless/HeadlessHost.h"

namespace tavrik::bench {

class DemoWizard {
public:
    // sourceDir: the source tree (medium/, media/BMP/); nativeMedium: the
    // native build's medium folder (compiled dictionaries); library: the
    // native build's dictionary library.
    DemoWizard(const std::string& sourceDir, const std::string& nativeMedium,
               const std::string& library);
    ~DemoWizard();
    DemoWizard(const DemoWizard&) = delete;
    DemoWizard& operator=(const DemoWizard&) = delete;

    // Program entry without the blocking loop: the form and its first page.
    void Start();
    TMainForm& Form() { return *form_; }
    // Empty when ready, else what is missing.
    const std::string& Fault() const { return fault_; }

private:
    platform::FakeMachine machine_;
    platform::ScopedCurrentMachine machineScope_{machine_};
    vcl::HeadlessHost host_;
    std::unique_ptr<vcl::TApplication> application_;
    TMainForm* form_ = nullptr;
    std::string fault_;
};

}  // namespace tavrik::bench
