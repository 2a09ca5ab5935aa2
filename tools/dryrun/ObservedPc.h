// The in-memory PC and the window-less host of a dry run, each telling the
// road what the wizard does to them: registry writes, program starts and
// error boxes (the technician tells the pages shown). They change nothing
// of the fake machine's behaviour but one: a program start other than the
// PC's own service script (its check and its stop, answered as the options
// set the service) ends as the author's outcomes say, or, when they say
// nothing of it, stops the road there, since what follows depends on it.
#pragma once

#include <string>

#include "ProgramOutcomes.h"
#include "Road.h"
#include "platform/fake/FakeMachine.h"
#include "vcl/headless/HeadlessHost.h"

namespace tavrik::dryrun {

class ObservedMachine : public platform::FakeMachine {
public:
    void Observe(Road* road) { road_ = road; }
    void SetProgramOutcomes(const ProgramOutcomes& outcomes) { outcomes_ = &outcomes; }

    bool RegistryOpenKey(const std::string& key, bool createIfMissing) override;
    bool RegistryWriteString(const std::string& key, const std::string& name,
                             const std::string& text) override;
    bool RegistryDeleteKeyTree(const std::string& key) override;
    bool RegistryDeleteValue(const std::string& key, const std::string& name) override;
    bool StartProcess(const std::string& commandLine, const platform::StartOptions& options,
                      platform::ProcessInfo& info) override;

private:
    bool StartAsTold(const std::string& commandLine, const platform::StartOptions& options,
                     platform::ProcessInfo& info, const ProgramOutcome& outcome);

    Road* road_ = nullptr;
    const ProgramOutcomes* outcomes_ = nullptr;
};

// The suite's diagnostic service script on the PC, and the command lines
// with which the wizard asks whether the service runs and stops it.
extern const char* const kServiceScript;
extern const char* const kServiceCheck;
extern const char* const kServiceStop;

class ObservedHost : public vcl::HeadlessHost {
public:
    void Observe(Road* road) { road_ = road; }
    void ShowException(const std::string& message, const std::string& title) override;

private:
    Road* road_ = nullptr;
};

}  // namespace tavrik::dryrun
