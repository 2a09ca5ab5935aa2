// The plain-text trace of a run, for support staff: one line per event in
// "C:\TraceTavrik.log", emptied at every start.
#pragma once

#include <string>

namespace tavrik {

extern const char* const kTraceLogPath;

// Deletes the log and creates it anew, empty. Failures are silent: the
// wizard goes on without a trace.
void ResetTraceLog();

// Appends the text and "\r\n" in one write. Never creates the file: a log
// deleted during the run stays deleted and the line is lost.
void AppendTraceLine(std::string text);

}  // namespace tavrik
