#include "Road.h"

#include "app/PageTable.h"
#include "platform/fake/FakeMachine.h"
#include "trace/TraceLog.h"

namespace tavrik::dryrun {

namespace {

std::string Hklm(const std::string& key) { return "HKLM\\" + key; }

}  // namespace

void Road::Page(int page) {
    lastPage_ = page;
    Line(PageName(page));
}

void Road::KeyCreated(const std::string& key) { Line("registry: " + Hklm(key) + " created"); }

void Road::ValueWritten(const std::string& key, const std::string& name, const std::string& text,
                        bool succeeded) {
    Line("registry: " + Hklm(key) + "\\" + name + " = \"" + text + "\"" +
         (succeeded ? "" : " (refused)"));
}

void Road::ValueDeleted(const std::string& key, const std::string& name, bool succeeded) {
    Line("registry: " + Hklm(key) + "\\" + name + " deleted" + (succeeded ? "" : " (none there)"));
}

void Road::KeyDeleted(const std::string& key, bool succeeded) {
    Line("registry: " + Hklm(key) + " deleted with its sub-keys" +
         (succeeded ? "" : " (none there)"));
}

void Road::Start(const std::string& commandLine, const platform::StartOptions& options,
                 const std::string& outcome) {
    // No folder given: the program inherits the wizard's, the start directory.
    const std::string folder =
        options.currentDirectory.empty() ? "" : " in " + options.currentDirectory;
    Line("start: " + commandLine + folder + (options.hidden ? " (hidden)" : "") + ": " + outcome);
}

void Road::Action(const std::string& what) { Line("press: " + what); }

void Road::Note(const std::string& what) { Line("note: " + what); }

void Road::Component(const std::string& line) { Line(line); }

void Road::Refusal(int page, const std::string& why) {
    Line("refused: " + PageName(page) + ": " + why);
}

void Road::Outcome(const std::string& what) { Line("outcome: " + what); }

void Road::Stop(const std::string& why) {
    Line("stop: " + why);
    finished_ = true;
}

void Road::End(int exitCode) {
    Line("end: the program ends with code " + std::to_string(exitCode));
    finished_ = true;
}

void Road::TraceLines() {
    const std::string log = machine_.ReadFile(kTraceLogPath).value_or("");
    if (log.size() < traceRead_) traceRead_ = 0;  // emptied at a start
    for (auto end = log.find("\r\n", traceRead_); end != std::string::npos;
         end = log.find("\r\n", traceRead_)) {
        out_ << "trace: " << log.substr(traceRead_, end - traceRead_) << "\n";
        traceRead_ = end + 2;
    }
}

void Road::Line(const std::string& text) {
    if (finished_) return;
    TraceLines();
    out_ << text << "\n";
}

}  // namespace tavrik::dryrun
