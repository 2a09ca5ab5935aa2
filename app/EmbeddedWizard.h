// The wizard run inside another program (the tests, the page-switch
// benchmark, the dry run) on the in-memory machine: started as the program
// starts it, but its ending the process is recorded instead, and the
// program state is fresh on construction and reset once the form is gone.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "vcl/Application.h"

namespace tavrik {

class TMainForm;

namespace vcl {
class Host;
}

class EmbeddedWizard {
public:
    // The host is the current one for the wizard's life; onExit, when
    // given, is told each code the wizard would end the process with.
    explicit EmbeddedWizard(vcl::Host& host, std::function<void(int)> onExit = nullptr);
    ~EmbeddedWizard();
    EmbeddedWizard(const EmbeddedWizard&) = delete;
    EmbeddedWizard& operator=(const EmbeddedWizard&) = delete;

    // The program's start-up (an earlier application and its form are
    // destroyed first); `created` sees the form before it first shows. The
    // form shows, its first page with it, unless the process has ended.
    // The machine must be installed.
    void Start(const std::string& commandLine = "",
               const std::function<void(TMainForm&)>& created = nullptr);

    TMainForm* Form() const;
    vcl::TApplication* Application() const { return application_.get(); }
    // Every code the wizard ended the process with since construction.
    const std::vector<int>& Exits() const { return exits_; }

private:
    std::unique_ptr<vcl::TApplication> application_;
    std::vector<int> exits_;
};

}  // namespace tavrik
