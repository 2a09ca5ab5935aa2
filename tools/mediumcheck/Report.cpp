#include "Report.h"

#include <cstdio>

namespace tavrik::mediumcheck {

namespace {

const char* SeverityName(Severity severity) {
    switch (severity) {
        case Severity::Error:
            return "error";
        case Severity::Warning:
            return "warning";
        case Severity::Note:
            break;
    }
    return "note";
}

std::string Where(const Finding& finding) {
    std::string where = finding.file;
    if (!finding.section.empty()) {
        where += " [" + finding.section + "]";
    }
    if (!finding.key.empty()) {
        where += " " + finding.key;
    }
    return where;
}

// Medium texts are code page 1252 bytes: anything outside ASCII is written
// as the \u escape of its Latin-1 reading, so the output is always valid JSON.
std::string JsonString(const std::string& text) {
    std::string out = "\"";
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (byte < 0x20 || byte >= 0x7F) {
            char escape[8];
            std::snprintf(escape, sizeof escape, "\\u%04x", static_cast<unsigned>(byte));
            out += escape;
        } else {
            out += c;
        }
    }
    return out + "\"";
}

}  // namespace

std::string TextReport(const std::vector<Finding>& findings) {
    std::string out;
    int errors = 0;
    int warnings = 0;
    for (const Finding& finding : findings) {
        if (finding.severity == Severity::Error) ++errors;
        if (finding.severity == Severity::Warning) ++warnings;
        out += std::string(SeverityName(finding.severity)) + ": " + Where(finding) + ": " +
               finding.message + "\n";
    }
    out += std::to_string(errors) + " error(s), " + std::to_string(warnings) + " warning(s)\n";
    return out;
}

std::string JsonReport(const std::vector<Finding>& findings) {
    std::string out = "[";
    const char* separator = "\n";
    for (const Finding& finding : findings) {
        out += separator;
        out += "  {\"severity\": " + JsonString(SeverityName(finding.severity)) +
               ", \"file\": " + JsonString(finding.file) +
               ", \"section\": " + JsonString(finding.section) +
               ", \"key\": " + JsonString(finding.key) +
               ", \"message\": " + JsonString(finding.message) + "}";
        separator = ",\n";
    }
    return out + (findings.empty() ? "]\n" : "\n]\n");
}

int ExitCodeOf(const std::vector<Finding>& findings) {
    int code = kExitClean;
    for (const Finding& finding : findings) {
        if (finding.severity == Severity::Error) {
            return kExitErrors;
        }
        if (finding.severity == Severity::Warning) code = kExitWarnings;
    }
    return code;
}

}  // namespace tavrik::mediumcheck
