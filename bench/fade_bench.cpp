// Speed of the classic fade and of the gradient engine's blends against the cost
// floor of producing their output: copying an existing buffer of the classic
// output's size into a fresh string. The classic fade's goal at 32767 characters is
// at most twice that floor.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <iterator>
#include <map>
#include <ostream>
#include <string>
#include <vector>

#include "color/color_value.h"
#include "fade/three_color_fade.h"
#include "gradient/fit.h"
#include "gradient/markup.h"
#include "gradient/request.h"

namespace {

// The window's colours until the user picks others: pure red, green and blue.
const std::vector<lumivane::ColorValue> kColors(std::begin(lumivane::kDefaultColors),
                                                std::end(lumivane::kDefaultColors));

std::u16string SampleText(std::size_t length) {
    std::u16string text(length, u' ');
    for (std::size_t i = 0; i < length; ++i) text[i] = static_cast<char16_t>(u'a' + i % 26);
    return text;
}

// The window's entry: the engine's legacy blend of three colours in the classic markup.
void BM_ThreeColorFade(benchmark::State& state) {
    const std::u16string text = SampleText(static_cast<std::size_t>(state.range(0)));
    for (auto _ : state) {
        std::u16string faded = lumivane::ThreeColorFade(kColors[0], kColors[1], kColors[2], text);
        benchmark::DoNotOptimize(faded.data());
        benchmark::ClobberMemory();
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

// The whole gradient line in the classic markup without a face tag, so its output
// is the classic fade's size: characters, colours and the written line.
void GradientLine(benchmark::State& state, lumivane::Blend blend) {
    const std::u16string text = SampleText(static_cast<std::size_t>(state.range(0)));
    const lumivane::LineStyle style;
    for (auto _ : state) {
        std::u16string line;
        lumivane::AppendGradientLine(line, style, text, kColors, blend);
        benchmark::DoNotOptimize(line.data());
        benchmark::ClobberMemory();
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

// A palette chat's line through the engine's front door: the gradient, each stretch's
// nearest palette colour, and the line with a code only where the colour changes.
void PaletteLine(benchmark::State& state, const char* format, const char* blend) {
    const std::u16string text = SampleText(static_cast<std::size_t>(state.range(0)));
    lumivane::LineRequest request;
    request.markup = *lumivane::ParseMarkupName(format);
    request.blend = lumivane::ParseBlendName(blend);
    request.colors = kColors;
    lumivane::LinePlan plan;
    if (!request.blend || lumivane::PlanLine(request, plan) != lumivane::RequestError::None) {
        state.SkipWithError("this blend is not in the engine");
        return;
    }
    for (auto _ : state) {
        std::u16string line;
        lumivane::MakeLine(plan, text, line);
        benchmark::DoNotOptimize(line.data());
        benchmark::ClobberMemory();
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

void BM_IrcRgb(benchmark::State& state) { PaletteLine(state, "irc", "rgb"); }
void BM_IrcOklch(benchmark::State& state) { PaletteLine(state, "irc", "oklch"); }
void BM_DiscordRgb(benchmark::State& state) { PaletteLine(state, "discord", "rgb"); }
void BM_DiscordOklch(benchmark::State& state) { PaletteLine(state, "discord", "oklch"); }

void BM_GradientLegacy(benchmark::State& state) { GradientLine(state, lumivane::Blend::Legacy); }
void BM_GradientRgb(benchmark::State& state) { GradientLine(state, lumivane::Blend::Rgb); }
void BM_GradientOklab(benchmark::State& state) { GradientLine(state, lumivane::Blend::Oklab); }
void BM_GradientOklch(benchmark::State& state) { GradientLine(state, lumivane::Blend::Oklch); }
void BM_GradientHsv(benchmark::State& state) { GradientLine(state, lumivane::Blend::Hsv); }

// Fitting a line into a 256-character chat (the classic markup with its face tag):
// the units and colours of the whole text, the number of runs that fits computed from
// the limit, and the short line written.
void BM_FitRgbTo256(benchmark::State& state) {
    const std::u16string text = SampleText(static_cast<std::size_t>(state.range(0)));
    lumivane::LineStyle style;
    style.face = u"Arial";
    for (auto _ : state) {
        const lumivane::FitResult fit =
            lumivane::FitGradientLine(text, kColors, lumivane::Blend::Rgb, style, 256);
        std::u16string line;
        if (fit.fits) lumivane::AppendMarkupLine(line, style, text, fit.runs);
        benchmark::DoNotOptimize(line.data());
        benchmark::ClobberMemory();
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

void BM_CopyBaseline(benchmark::State& state) {
    const std::u16string output(
        lumivane::kFadedCharLength * static_cast<std::size_t>(state.range(0)), u'x');
    for (auto _ : state) {
        std::u16string copy(output);
        benchmark::DoNotOptimize(copy.data());
        benchmark::ClobberMemory();
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

BENCHMARK(BM_ThreeColorFade)->Arg(5)->Arg(80)->Arg(1000)->Arg(32767);
BENCHMARK(BM_GradientLegacy)->Arg(5)->Arg(80)->Arg(1000)->Arg(32767);
BENCHMARK(BM_GradientRgb)->Arg(5)->Arg(80)->Arg(1000)->Arg(32767);
BENCHMARK(BM_GradientOklab)->Arg(5)->Arg(80)->Arg(1000)->Arg(32767);
BENCHMARK(BM_GradientOklch)->Arg(5)->Arg(80)->Arg(1000)->Arg(32767);
BENCHMARK(BM_GradientHsv)->Arg(5)->Arg(80)->Arg(1000)->Arg(32767);
BENCHMARK(BM_IrcRgb)->Arg(80)->Arg(32767);
BENCHMARK(BM_IrcOklch)->Arg(80)->Arg(32767);
BENCHMARK(BM_DiscordRgb)->Arg(80)->Arg(32767);
BENCHMARK(BM_DiscordOklch)->Arg(80)->Arg(32767);
BENCHMARK(BM_FitRgbTo256)->Arg(5)->Arg(80)->Arg(1000)->Arg(32767);
BENCHMARK(BM_CopyBaseline)->Arg(5)->Arg(80)->Arg(1000)->Arg(32767);

// Passes everything to the reporter that Google Benchmark's own flags chose, and
// behind the console table adds each benchmark's time as a multiple of the baseline
// of the same length. JSON and CSV output stay as the flags ask, untouched.
class RatioReporter : public benchmark::BenchmarkReporter {
public:
    explicit RatioReporter(benchmark::BenchmarkReporter* display) : display_(display) {}

    bool ReportContext(const Context& context) override { return display_->ReportContext(context); }
    void ReportRuns(const std::vector<Run>& runs) override {
        display_->ReportRuns(runs);
        for (const Run& run : runs) {
            if (run.run_type != Run::RT_Iteration || run.error_occurred) continue;
            const std::string name = run.benchmark_name();
            const auto slash = name.rfind('/');
            if (slash == std::string::npos) continue;
            const std::string family = name.substr(0, slash);
            const long length = std::stol(name.substr(slash + 1));
            if (family == "BM_CopyBaseline") {
                baseline_[length] = run.GetAdjustedRealTime();
            } else {
                times_[family][length] = run.GetAdjustedRealTime();
            }
        }
    }
    void Finalize() override {
        display_->Finalize();
        if (!dynamic_cast<benchmark::ConsoleReporter*>(display_)) return;
        std::ostream& out = display_->GetOutputStream();
        char line[160];
        for (const auto& [family, times] : times_) {
            std::snprintf(line, sizeof line, "\n%-18s %10s %14s %14s %8s\n", family.c_str() + 3,
                          "characters", "time (ns)", "baseline (ns)", "ratio");
            out << line;
            for (const auto& [length, time] : times) {
                const auto copy = baseline_.find(length);
                if (copy == baseline_.end()) continue;
                std::snprintf(line, sizeof line, "%-18s %10ld %14.0f %14.0f %7.2fx\n", "", length,
                              time, copy->second, time / copy->second);
                out << line;
            }
        }
    }

private:
    benchmark::BenchmarkReporter* display_;
    std::map<std::string, std::map<long, double>> times_;
    std::map<long, double> baseline_;
};

}  // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    RatioReporter reporter(benchmark::CreateDefaultDisplayReporter());
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return 0;
}
