// The road a dry run prints: one line per event, in the order the wizard
// makes them. Trace lines are read from the in-memory PC's trace log before
// each other event, so they fall into place. Once the road stops (a program
// the wizard would wait for, or a page that waits for the outside world)
// nothing more is printed.
#pragma once

#include <cstddef>
#include <ostream>
#include <string>

#include "platform/Machine.h"

namespace tavrik::platform {
class FakeMachine;
}

namespace tavrik::dryrun {

class Road {
public:
    Road(std::ostream& out, platform::FakeMachine& machine) : out_(out), machine_(machine) {}

    void Page(int page);
    void KeyCreated(const std::string& key);
    void ValueWritten(const std::string& key, const std::string& name, const std::string& text,
                      bool succeeded);
    void ValueDeleted(const std::string& key, const std::string& name, bool succeeded);
    void KeyDeleted(const std::string& key, bool succeeded);
    void Start(const std::string& commandLine, const platform::StartOptions& options,
               const std::string& outcome);
    void Action(const std::string& what);
    void Note(const std::string& what);
    // "component 1: runs (...)": what the wizard does with a component.
    void Component(const std::string& line);
    // Why a page ends the run.
    void Refusal(int page, const std::string& why);
    // What page 6 shows once the work has stopped.
    void Outcome(const std::string& what);
    // The last lines: where the road stops and why, or the program's end.
    void Stop(const std::string& why);
    void End(int exitCode);

    bool Finished() const { return finished_; }
    int LastPage() const { return lastPage_; }

private:
    void TraceLines();
    void Line(const std::string& text);

    std::ostream& out_;
    platform::FakeMachine& machine_;
    std::size_t traceRead_ = 0;  // bytes of the trace log already printed
    int lastPage_ = 0;
    bool finished_ = false;
};

}  // namespace tavrik::dryrun
