#include "gradient/fit.h"

#include <algorithm>
#include <stdexcept>

#include "gradient/detail/blend_stretches.h"
#include "gradient/gradient.h"
#include "gradient/grapheme.h"

namespace lumivane {

using detail::ColorStretch;
using detail::StretchList;

namespace {

// Code-unit positions of unit boundaries, asked for in increasing order of unit.
class UnitPositions {
public:
    UnitPositions(std::u16string_view text, bool codeUnits) : walker_(text, codeUnits) {}

    // Where unit `unit` begins (the text's end for the unit after the last).
    std::size_t Start(std::size_t unit) {
        for (; unit_ < unit; ++unit_) position_ = walker_.Next();
        return position_;
    }

private:
    UnitWalker walker_;
    std::size_t unit_ = 0;
    std::size_t position_ = 0;
};

}  // namespace

void MergeEqualNeighbours(std::vector<ColorRun>& runs) {
    std::size_t kept = 0;
    for (std::size_t i = 0; i < runs.size(); ++i) {
        if (kept > 0 && runs[kept - 1].color == runs[i].color &&
            runs[kept - 1].end == runs[i].begin)
            runs[kept - 1].end = runs[i].end;
        else runs[kept++] = runs[i];
    }
    runs.resize(kept);
}

FitResult FitGradientLine(std::u16string_view text, const std::vector<ColorValue>& colors,
                          GradientBlend blend, const LineStyle& style, std::size_t limit) {
    if (!MarkupRunCost(style))
        throw std::invalid_argument("a terminal line has no length limit to fit");
    const std::size_t runCost = *MarkupRunCost(style);
    const bool palette = InfoOf(style.markup).palette;
    const bool codeUnits = InfoOf(blend).codeUnits;
    const std::size_t units = codeUnits ? text.size() : CountGraphemeClusters(text);
    // The colours in stretches of equal colour (for a palette markup, of equal palette
    // colour): one merged run each.
    const StretchList stretches = detail::MarkupStretches(colors, blend, units, style.markup);
    const auto runsOf = [&](bool perUnit) {
        std::vector<ColorRun> runs;
        UnitPositions positions(text, codeUnits);
        std::size_t unit = 0;
        runs.reserve(perUnit ? units : stretches.Stretches().size());
        for (const ColorStretch& stretch : stretches.Stretches()) {
            for (std::size_t k = 0; k < (perUnit ? stretch.units : 1); ++k) {
                const std::size_t next = unit + (perUnit ? 1 : stretch.units);
                runs.push_back({positions.Start(unit), positions.Start(next), stretch.color});
                unit = next;
            }
        }
        return runs;
    };
    // The line's length with `runs`, its comma traps counted.
    const auto length = [&](const std::vector<ColorRun>& runs) {
        return MarkupLineLength(style, text, runs);
    };
    const std::vector<ColorRun> oneRun =
        units == 0 ? std::vector<ColorRun>{} : std::vector<ColorRun>{{0, text.size(), Rgb{}}};
    FitResult result{false, {}, length(oneRun)};

    // 1. One run per unit (a palette line has a run only where its code changes);
    // 2. neighbouring units of one colour merged.
    if (!palette && MarkupLineLength(style, text, units) <= limit) {
        result.runs = runsOf(true);
        if (length(result.runs) <= limit) {
            result.fits = true;
            return result;
        }
    }
    if (MarkupLineLength(style, text, stretches.Stretches().size()) <= limit) {
        result.runs = runsOf(false);
        if (length(result.runs) <= limit) {
            result.fits = true;
            return result;
        }
    }
    result.runs.clear();

    // 3. Every run after the first adds the same cost (its tags and separator), so
    // the largest T < n whose line fits follows from the limit directly; only the IRC
    // markups' comma traps, which a few runs add, may take it down a little.
    const std::size_t oneRunLength = MarkupLineLength(style, text, 1);
    if (units < 2 || oneRunLength > limit) return result;  // 4. it cannot fit
    std::size_t count = std::min(units - 1, 1 + (limit - oneRunLength) / runCost);
    UnitPositions positions(text, codeUnits);
    std::vector<std::size_t> starts(units + 1);
    for (std::size_t unit = 0; unit <= units; ++unit) starts[unit] = positions.Start(unit);
    const auto n = static_cast<unsigned long long>(units);
    std::vector<ColorRun> runs;
    for (;; --count) {
        // Run j holds units floor(j n / T) up to floor((j + 1) n / T) - 1 and takes the
        // colour of unit j of a T-unit gradient.
        runs.resize(count);
        for (std::size_t j = 0; j < count; ++j) {
            const auto first = static_cast<std::size_t>(j * n / count);
            const auto next = static_cast<std::size_t>((j + 1) * n / count);
            runs[j] = {starts[first], starts[next], Rgb{}};
        }
        if (count == 1 || length(runs) <= limit) break;
    }
    if (length(runs) > limit) return result;
    const StretchList runColors = detail::MarkupStretches(colors, blend, count, style.markup);
    std::size_t j = 0;
    for (const ColorStretch& stretch : runColors.Stretches())
        for (std::size_t k = 0; k < stretch.units; ++k) runs[j++].color = stretch.color;
    MergeEqualNeighbours(runs);
    result.runs = std::move(runs);
    result.fits = true;
    return result;
}

}  // namespace lumivane
