// Windows counterpart of PhraseLookupBench (Google Benchmark is not built for
// mingw): times the same steps with the performance counter and prints the
// figures and ratios. Run it from the folder that holds lx32.dll and
// lx32_bench_empty.dll:  wine lx32_phrase_timing.exe [iterations]
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

#include "lx32/bench/BenchDictionaries.h"
#include "lx32/bench/LibraryLoader.h"
#include "lx32/bench/WizardCalls.h"

namespace {

double Now() {
    LARGE_INTEGER counter;
    LARGE_INTEGER frequency;
    ::QueryPerformanceCounter(&counter);
    ::QueryPerformanceFrequency(&frequency);
    return static_cast<double>(counter.QuadPart) / static_cast<double>(frequency.QuadPart);
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

// Other work on the machine disturbs single runs: the steps are timed in
// rounds, each round running every step once in turn, and compared by
// their medians.
std::vector<double> MedianMicroseconds(int rounds, int callsPerRound,
                                       const std::vector<std::function<void(int)>>& steps) {
    std::vector<std::vector<double>> perCall(steps.size());
    int call = 0;
    for (const auto& step : steps) {
        step(call++);  // the first load pays for the disk
    }
    for (int round = 0; round < rounds; ++round) {
        for (std::size_t s = 0; s < steps.size(); ++s) {
            const double start = Now();
            for (int i = 0; i < callsPerRound; ++i) {
                steps[s](call++);
            }
            perCall[s].push_back((Now() - start) * 1e6 / callsPerRound);
        }
    }
    std::vector<double> medians;
    for (const auto& times : perCall) {
        medians.push_back(Median(times));
    }
    return medians;
}

}  // namespace

int main(int argc, char** argv) {
    const int iterations = argc > 1 ? std::atoi(argv[1]) : 1000;
    char temporary[MAX_PATH];
    if (iterations <= 0 || ::GetTempPathA(MAX_PATH, temporary) == 0) {
        std::fprintf(stderr, "usage: lx32_phrase_timing [iterations > 0]\n");
        return 2;
    }
    const std::string folder = temporary;
    using tavrik::lx::bench::BenchDictionary;
    const BenchDictionary small =
        tavrik::lx::bench::WriteBenchDictionary(folder, "LX32SMAL.DBZ", 300);
    const BenchDictionary large =
        tavrik::lx::bench::WriteBenchDictionary(folder, "LX32LARG.DBZ", 130000);
    if (small.path.empty() || large.path.empty()) {
        std::fprintf(stderr, "cannot write the dictionaries in %s\n", temporary);
        return 1;
    }

    bool allFound = true;
    auto fetchFrom = [&allFound](const BenchDictionary& dictionary) {
        return [&dictionary, &allFound](int i) {
            const long number = dictionary.numbers[i % dictionary.numbers.size()];
            allFound &=
                !tavrik::lx::bench::FetchPhrase("lx32.dll", dictionary.path, number).empty();
        };
    };
    constexpr int kRounds = 15;
    const std::vector<double> times =
        MedianMicroseconds(kRounds, std::max(1, iterations / kRounds),
                           {[](int) { tavrik::lx::bench::LoadAndFree("lx32_bench_empty.dll"); },
                            fetchFrom(small), fetchFrom(large)});
    const double floor = times[0];
    const double smallTime = times[1];
    const double largeTime = times[2];
    ::DeleteFileA(small.path.c_str());
    ::DeleteFileA(large.path.c_str());

    if (!allFound || tavrik::lx::bench::StaysLoaded("lx32.dll")) {
        std::fprintf(stderr, "lx32.dll did not answer every phrase, or stayed loaded\n");
        return 1;
    }
    std::printf("empty library floor        %8.1f us\n", floor);
    std::printf("phrase, small dictionary   %8.1f us  %.2f x the floor\n", smallTime,
                smallTime / floor);
    std::printf("phrase, 130000 phrases     %8.1f us  %.2f x the floor\n", largeTime,
                largeTime / floor);
    return 0;
}
