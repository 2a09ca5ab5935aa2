// What one page switch costs the wizard: the page's show handler with its
// pictures (background, button glyphs, flags), INI reads and phrases, on
// the demo medium and the real dictionary library, headless. The host's
// painting is not in it: the headless host draws nothing.
#include <benchmark/benchmark.h>

#include <string>

#include "app/bench/DemoWizard.h"

namespace {

using tavrik::TMainForm;

constexpr int kLanguagePage = 4;
constexpr int kRecommendationPage = 7;

// The started wizard's form, or null (the benchmark skipped with the fault).
TMainForm* StartedForm(benchmark::State& state, tavrik::bench::DemoWizard& wizard) {
    wizard.Start();
    if (wizard.Fault().empty()) return &wizard.Form();
    state.SkipWithError(wizard.Fault().c_str());
    return nullptr;
}

// Times showing `page`; the switch back to `from` between two samples is
// not timed.
void ShowPage(benchmark::State& state, int from, int page) {
    tavrik::bench::DemoWizard wizard(TAVRIK_SOURCE_DIR, TAVRIK_NATIVE_MEDIUM, LX32_LIBRARY_PATH);
    TMainForm* started = StartedForm(state, wizard);
    if (started == nullptr) return;
    TMainForm& form = *started;
    for (auto _ : state) {
        state.PauseTiming();
        form.ShowPage(from);
        state.ResumeTiming();
        form.ShowPage(page);
    }
    if (form.ActivePage() != page) {
        state.SkipWithError(("the wizard shows page " + std::to_string(form.ActivePage()) +
                             ", not " + std::to_string(page))
                                .c_str());
    }
    // Page 7 opens with a phrase: empty, the dictionary was not read.
    const std::string& advice = form.Label_PageRecom->Caption();
    if (page == kRecommendationPage && (advice.empty() || advice[0] == '\n')) {
        state.SkipWithError("page 7 shows no phrase: the dictionary was not read");
    }
}

void BM_ShowLanguagePage(benchmark::State& state) {
    ShowPage(state, kRecommendationPage, kLanguagePage);
}
void BM_ShowRecommendationPage(benchmark::State& state) {
    ShowPage(state, kLanguagePage, kRecommendationPage);
}

// Both switches of a round trip, each timed: 7 -> 4 -> 7.
void BM_RecommendationToLanguageAndBack(benchmark::State& state) {
    tavrik::bench::DemoWizard wizard(TAVRIK_SOURCE_DIR, TAVRIK_NATIVE_MEDIUM, LX32_LIBRARY_PATH);
    TMainForm* form = StartedForm(state, wizard);
    if (form == nullptr) return;
    for (auto _ : state) {
        form->ShowPage(kLanguagePage);
        form->ShowPage(kRecommendationPage);
    }
    state.SetItemsProcessed(2 * state.iterations());
}

// Other work on the machine disturbs single runs: repeated and compared by
// their medians.
constexpr int kRepetitions = 5;
BENCHMARK(BM_ShowRecommendationPage)
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(kRepetitions)
    ->ReportAggregatesOnly(true);
BENCHMARK(BM_ShowLanguagePage)
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(kRepetitions)
    ->ReportAggregatesOnly(true);
BENCHMARK(BM_RecommendationToLanguageAndBack)
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(kRepetitions)
    ->ReportAggregatesOnly(true);

}  // namespace

BENCHMARK_MAIN();
