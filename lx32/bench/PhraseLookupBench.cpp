// What one phrase costs the wizard, which loads and frees the library for
// every phrase, next to loading and freeing an empty library the same way.
// Prints the ratios at the end; the goal is at most 1.5 x the floor with
// 130,000 phrases.
#include <benchmark/benchmark.h>
#include <stdlib.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "lx32/bench/BenchDictionaries.h"
#include "lx32/bench/LibraryLoader.h"
#include "lx32/bench/WizardCalls.h"

namespace {

using tavrik::lx::bench::BenchDictionary;

std::string folder;
BenchDictionary smallDictionary;
BenchDictionary largeDictionary;

void BM_EmptyLibraryFloor(benchmark::State& state) {
    for (auto _ : state) {
        tavrik::lx::bench::LoadAndFree(LX32_EMPTY_LIBRARY_PATH);
    }
    if (tavrik::lx::bench::StaysLoaded(LX32_EMPTY_LIBRARY_PATH)) {
        state.SkipWithError("the empty library is never unloaded");
    }
}

void FetchPhrases(benchmark::State& state, const BenchDictionary& dictionary) {
    std::size_t next = 0;
    for (auto _ : state) {
        const long number = dictionary.numbers[next++ % dictionary.numbers.size()];
        std::string text =
            tavrik::lx::bench::FetchPhrase(LX32_LIBRARY_PATH, dictionary.path, number);
        if (text.empty()) {
            state.SkipWithError("a phrase of the dictionary was not found");
            break;
        }
        benchmark::DoNotOptimize(text);
    }
    if (tavrik::lx::bench::StaysLoaded(LX32_LIBRARY_PATH)) {
        state.SkipWithError("liblx32.so is never unloaded: the figures would omit its loading");
    }
}

void BM_PhraseSmallDictionary(benchmark::State& state) { FetchPhrases(state, smallDictionary); }
void BM_Phrase130000Phrases(benchmark::State& state) { FetchPhrases(state, largeDictionary); }

// Other work on the machine disturbs single runs: the benchmarks are repeated
// in random interleaving and compared by their medians.
constexpr int kRepetitions = 9;
BENCHMARK(BM_EmptyLibraryFloor)->Repetitions(kRepetitions)->ReportAggregatesOnly(true);
BENCHMARK(BM_PhraseSmallDictionary)->Repetitions(kRepetitions)->ReportAggregatesOnly(true);
BENCHMARK(BM_Phrase130000Phrases)->Repetitions(kRepetitions)->ReportAggregatesOnly(true);

struct Times {
    double real = 0;
    double cpu = 0;
};

// Keeps each benchmark's median times per iteration to print the ratios.
class RatioReporter : public benchmark::ConsoleReporter {
public:
    // Colours only on a terminal: the figures are often kept in a file.
    RatioReporter() : ConsoleReporter(::isatty(STDOUT_FILENO) ? OO_Defaults : OO_None) {}

    void ReportRuns(const std::vector<Run>& runs) override {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs) {
            const bool median = run.run_type == Run::RT_Aggregate && run.aggregate_name == "median";
            const bool single = run.run_type == Run::RT_Iteration && run.repetitions <= 1;
            if (!run.error_occurred && (median || single)) {
                times[run.run_name.function_name] = {run.GetAdjustedRealTime(),
                                                     run.GetAdjustedCPUTime()};
            }
        }
    }
    std::map<std::string, Times> times;
};

}  // namespace

int main(int argc, char** argv) {
    char pattern[] = "/tmp/lx32-bench-XXXXXX";
    if (::mkdtemp(pattern) == nullptr) {
        std::perror("lx32 bench: cannot create a temporary folder");
        return 1;
    }
    folder = pattern;
    smallDictionary = tavrik::lx::bench::WriteBenchDictionary(folder, "SMALL.DBZ", 300);
    largeDictionary = tavrik::lx::bench::WriteBenchDictionary(folder, "LARGE.DBZ", 130000);
    if (smallDictionary.path.empty() || largeDictionary.path.empty()) {
        std::fprintf(stderr, "lx32 bench: cannot write the dictionaries in %s\n", pattern);
        return 1;
    }

    std::vector<char*> arguments(argv, argv + argc);
    char interleave[] = "--benchmark_enable_random_interleaving=true";
    arguments.insert(arguments.begin() + 1, interleave);  // a later argument may override it
    int count = static_cast<int>(arguments.size());
    benchmark::Initialize(&count, arguments.data());
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    std::filesystem::remove_all(folder);

    // CPU time is what the machine's other work disturbs least.
    const auto floor = reporter.times.find("BM_EmptyLibraryFloor");
    if (floor != reporter.times.end()) {
        const Times& base = floor->second;
        for (const auto& [name, time] : reporter.times) {
            if (name != floor->first) {
                std::printf(
                    "%-26s %.2f x the floor in CPU time (%.1f us against %.1f us), "
                    "%.2f x in real time (%.1f us against %.1f us)\n",
                    name.c_str(), time.cpu / base.cpu, time.cpu / 1000, base.cpu / 1000,
                    time.real / base.real, time.real / 1000, base.real / 1000);
            }
        }
    }
    return 0;
}
