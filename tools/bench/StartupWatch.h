// The portable part of the start-up watcher (startup-watch.exe): its
// options, and when a window's pixels became final from a series of grabs.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace tavrik::bench {

struct WatchOptions {
    std::string program;  // started with its own folder as current folder
    // The program's visible top-level window to wait for: its title starts
    // with the prefix, and its class is the one named (empty: any).
    std::string titlePrefix;
    std::string windowClass;
    // How the program is closed once the benchmark has read its figures: a
    // key (a virtual-key code) to its focused window, or else WM_CLOSE.
    unsigned closeKey = 0;
    int grabMs = 1500;      // how long the pixels are grabbed after the window shows
    int everyMs = 10;       // between two grabs
    int timeoutMs = 30000;  // for the window, and again for the exit
};

// The options, or an error message that names the fault.
struct ParsedWatchOptions {
    std::optional<WatchOptions> options;
    std::string error;
};
ParsedWatchOptions ParseWatchOptions(const std::vector<std::string>& args);

extern const char* const kWatchUsage;

// A key name as the benchmark gives it: F1..F12, ESCAPE, ENTER; 0 for any other.
unsigned VirtualKeyOfName(const std::string& name);

struct PixelGrab {
    double ms = 0;  // since the launch
    std::uint64_t hash = 0;
};

// The time of the first grab from which on every grab equals the last one:
// the moment the pixels became final (they may have passed through the
// final picture before and changed again). Empty without any grab.
std::optional<double> FinalSince(const std::vector<PixelGrab>& grabs);

// FNV-1a over the bytes: two grabs are compared by their hashes.
std::uint64_t HashPixels(const unsigned char* bytes, std::size_t size);

}  // namespace tavrik::bench
