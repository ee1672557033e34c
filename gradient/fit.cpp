#include "gradient/fit.h"

#include <stdexcept>

#include "gradient/gradient.h"

namespace lumivane {
namespace {

// Units cut into `count` runs as equal as possible, run j coloured as unit j of a
// gradient over `count` units.
std::vector<ColorRun> EvenRuns(const std::vector<std::size_t>& bounds,
                               const std::vector<ColorValue>& colors, Blend blend,
                               std::size_t count) {
    const unsigned long long units = bounds.size() - 1;
    const std::vector<Rgb> runColors = GradientColors(colors, blend, count);
    std::vector<ColorRun> runs(count);
    for (std::size_t j = 0; j < count; ++j) {
        const auto first = static_cast<std::size_t>(j * units / count);
        const auto next = static_cast<std::size_t>((j + 1) * units / count);
        runs[j] = {bounds[first], bounds[next], runColors[j]};
    }
    return runs;
}

}  // namespace

void MergeEqualNeighbours(std::vector<ColorRun>& runs) {
    std::size_t kept = 0;
    for (std::size_t i = 0; i < runs.size(); ++i) {
        if (kept > 0 && runs[kept - 1].color == runs[i].color && runs[kept - 1].end == runs[i].begin)
            runs[kept - 1].end = runs[i].end;
        else
            runs[kept++] = runs[i];
    }
    runs.resize(kept);
}

FitResult FitGradientLine(std::u16string_view text, const std::vector<ColorValue>& colors,
                          Blend blend, const LineStyle& style, std::size_t limit) {
    const std::optional<std::size_t> runCost = MarkupRunCost(style.markup);
    if (!runCost) throw std::invalid_argument("a terminal line has no length limit to fit");
    const std::vector<std::size_t> bounds = GradientUnitBounds(text, blend);
    const std::size_t units = bounds.size() - 1;
    const std::vector<Rgb> unitColors = GradientColors(colors, blend, units);

    FitResult result{false, {}, MarkupLineLength(style, text, units == 0 ? 0 : 1)};
    const auto lineLength = [&](std::size_t runCount) {
        return MarkupLineLength(style, text, runCount);
    };

    result.runs.resize(units);
    for (std::size_t i = 0; i < units; ++i) result.runs[i] = {bounds[i], bounds[i + 1], unitColors[i]};
    if (lineLength(units) <= limit) {
        result.fits = true;
        return result;
    }
    MergeEqualNeighbours(result.runs);
    if (lineLength(result.runs.size()) <= limit) {
        result.fits = true;
        return result;
    }
    result.runs.clear();

    // Every run after the first adds the same cost (its tags and separator), so the
    // largest T whose line fits follows from the limit directly: no scan.
    const std::size_t oneRun = lineLength(1);
    if (units < 2 || oneRun > limit) return result;
    std::size_t count = 1 + (limit - oneRun) / *runCost;
    if (count > units - 1) count = units - 1;

    result.runs = EvenRuns(bounds, colors, blend, count);
    MergeEqualNeighbours(result.runs);
    result.fits = true;
    return result;
}

}  // namespace lumivane
