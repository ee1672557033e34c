// Speed of the fade against the cost floor of producing its output: copying an
// existing buffer of the output's size into a fresh string.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <map>
#include <string>

#include "fade/three_color_fade.h"

namespace {

std::u16string SampleText(std::size_t length) {
    std::u16string text(length, u' ');
    for (std::size_t i = 0; i < length; ++i) text[i] = static_cast<char16_t>(u'a' + i % 26);
    return text;
}

void BM_ThreeColorFade(benchmark::State& state) {
    const std::u16string text = SampleText(static_cast<std::size_t>(state.range(0)));
    for (auto _ : state) {
        std::u16string faded = lumivane::ThreeColorFade(255, 65280, 16711680, text);
        benchmark::DoNotOptimize(faded.data());
        benchmark::ClobberMemory();
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

void BM_CopyBaseline(benchmark::State& state) {
    const std::u16string output(lumivane::kFadedCharLength * static_cast<std::size_t>(state.range(0)), u'x');
    for (auto _ : state) {
        std::u16string copy(output);
        benchmark::DoNotOptimize(copy.data());
        benchmark::ClobberMemory();
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

BENCHMARK(BM_ThreeColorFade)->Arg(5)->Arg(80)->Arg(1000)->Arg(32767);
BENCHMARK(BM_CopyBaseline)->Arg(5)->Arg(80)->Arg(1000)->Arg(32767);

// The usual console table, then the fade's time as a multiple of its baseline.
class RatioReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs) {
            if (run.run_type != Run::RT_Iteration) continue;
            const std::string name = run.benchmark_name();
            const auto slash = name.find('/');
            if (slash == std::string::npos) continue;
            const std::string length = name.substr(slash + 1);
            (name.rfind("BM_ThreeColorFade", 0) == 0 ? fade_ : copy_)[std::stol(length)] =
                run.GetAdjustedRealTime();
        }
    }
    void Finalize() override {
        ConsoleReporter::Finalize();
        std::printf("\n%10s %14s %14s %8s\n", "characters", "fade (ns)", "baseline (ns)", "ratio");
        for (const auto& [length, fade] : fade_) {
            const auto copy = copy_.find(length);
            if (copy == copy_.end()) continue;
            std::printf("%10ld %14.0f %14.0f %7.2fx\n", length, fade, copy->second,
                        fade / copy->second);
        }
    }

private:
    std::map<long, double> fade_, copy_;
};

}  // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return 0;
}
