#include "tools/bench/StartupWatch.h"

#include <cctype>
#include <cstdlib>

namespace tavrik::bench {

namespace {

std::string Upper(std::string text) {
    for (char& c : text) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return text;
}

// A whole positive number of milliseconds within the bound, or nothing.
std::optional<int> Milliseconds(const std::string& text, int most) {
    if (text.empty() || text.size() > 7) return std::nullopt;
    for (char c : text) {
        if (!std::isdigit(static_cast<unsigned char>(c))) return std::nullopt;
    }
    const int value = std::atoi(text.c_str());
    if (value < 1 || value > most) return std::nullopt;
    return value;
}

}  // namespace

const char* const kWatchUsage =
    "usage: startup-watch.exe [--title PREFIX] [--class NAME] [--close-key KEY] [--grab-ms MS]\n"
    "                         [--every-ms MS] [--timeout-ms MS] PROGRAM\n"
    "  starts PROGRAM, prints mapped_ms= when its top-level window is visible and\n"
    "  final_ms= when its pixels became final, then ready; closes it on a line on\n"
    "  standard input (KEY: F1..F12, ESCAPE, ENTER; default WM_CLOSE) and prints exit_ms=\n";

unsigned VirtualKeyOfName(const std::string& name) {
    const std::string upper = Upper(name);
    if (upper == "ESCAPE") return 0x1B;
    if (upper == "ENTER") return 0x0D;
    if (upper.size() >= 2 && upper[0] == 'F') {
        const std::optional<int> number = Milliseconds(upper.substr(1), 12);
        if (number) return static_cast<unsigned>(0x70 + *number - 1);
    }
    return 0;
}

ParsedWatchOptions ParseWatchOptions(const std::vector<std::string>& args) {
    WatchOptions options;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg.rfind("--", 0) != 0) {
            if (!options.program.empty()) return {std::nullopt, "more than one program: " + arg};
            options.program = arg;
            continue;
        }
        if (i + 1 >= args.size()) return {std::nullopt, arg + " needs a value"};
        const std::string& value = args[++i];
        if (arg == "--title") {
            options.titlePrefix = value;
        } else if (arg == "--class") {
            options.windowClass = value;
        } else if (arg == "--close-key") {
            options.closeKey = VirtualKeyOfName(value);
            if (options.closeKey == 0) return {std::nullopt, "unknown key " + value};
        } else if (arg == "--grab-ms" || arg == "--every-ms" || arg == "--timeout-ms") {
            const std::optional<int> ms = Milliseconds(value, 600000);
            if (!ms) return {std::nullopt, arg + " takes a whole number of ms from 1: " + value};
            (arg == "--grab-ms"    ? options.grabMs
             : arg == "--every-ms" ? options.everyMs
                                   : options.timeoutMs) = *ms;
        } else {
            return {std::nullopt, "unknown option " + arg};
        }
    }
    if (options.program.empty()) return {std::nullopt, "no program to start"};
    if (options.everyMs > options.grabMs) {
        return {std::nullopt, "--every-ms is longer than --grab-ms: no second grab to compare"};
    }
    return {options, ""};
}

std::optional<double> FinalSince(const std::vector<PixelGrab>& grabs) {
    if (grabs.empty()) return std::nullopt;
    std::size_t first = grabs.size() - 1;
    while (first > 0 && grabs[first - 1].hash == grabs.back().hash) --first;
    return grabs[first].ms;
}

std::uint64_t HashPixels(const unsigned char* bytes, std::size_t size) {
    std::uint64_t hash = 14695981039346656037ULL;
    for (std::size_t i = 0; i < size; ++i) {
        hash ^= bytes[i];
        hash *= 1099511628211ULL;
    }
    return hash;
}

}  // namespace tavrik::bench
