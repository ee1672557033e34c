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
        if (kept > 0 && runs[kept - 1].color == runs[i].color && runs[kept - 1].end == runs[i].begin)
            runs[kept - 1].end = runs[i].end;
        else
            runs[kept++] = runs[i];
    }
    runs.resize(kept);
}

FitResult FitGradientLine(std::u16string_view text, const std::vector<ColorValue>& colors,
                          Blend blend, const LineStyle& style, std::size_t limit) {
    if (!MarkupRunCost(style.markup))
        throw std::invalid_argument("a terminal line has no length limit to fit");
    const std::size_t runCost = *MarkupRunCost(style.markup);
    const bool codeUnits = InfoOf(blend).codeUnits;
    const std::size_t units = codeUnits ? text.size() : CountGraphemeClusters(text);
    // The colours in stretches of equal colour: one merged run each.
    const StretchList stretches = detail::GradientStretches(colors, blend, units);
    const auto lineLength = [&](std::size_t runCount) {
        return MarkupLineLength(style, text, runCount);
    };
    FitResult result{false, {}, lineLength(units == 0 ? 0 : 1)};

    // 1. One run per unit; 2. neighbouring units of one colour merged.
    const bool perUnit = lineLength(units) <= limit;
    if (perUnit || lineLength(stretches.Stretches().size()) <= limit) {
        UnitPositions positions(text, codeUnits);
        std::size_t unit = 0;
        result.runs.reserve(perUnit ? units : stretches.Stretches().size());
        for (const ColorStretch& stretch : stretches.Stretches()) {
            for (std::size_t k = 0; k < (perUnit ? stretch.units : 1); ++k) {
                const std::size_t next = unit + (perUnit ? 1 : stretch.units);
                result.runs.push_back({positions.Start(unit), positions.Start(next), stretch.color});
                unit = next;
            }
        }
        result.fits = true;
        return result;
    }

    // 3. Every run after the first adds the same cost (its tags and separator), so
    // the largest T < n whose line fits follows from the limit directly: no scan.
    const std::size_t oneRun = lineLength(1);
    if (units < 2 || oneRun > limit) return result;  // 4. it cannot fit
    const std::size_t count = std::min(units - 1, 1 + (limit - oneRun) / runCost);

    // Run j holds units floor(j n / T) up to floor((j + 1) n / T) - 1 and takes the
    // colour of unit j of a T-unit gradient.
    const std::vector<Rgb> runColors = GradientColors(colors, blend, count);
    UnitPositions positions(text, codeUnits);
    const auto n = static_cast<unsigned long long>(units);
    result.runs.resize(count);
    for (std::size_t j = 0; j < count; ++j) {
        const auto first = static_cast<std::size_t>(j * n / count);
        const auto next = static_cast<std::size_t>((j + 1) * n / count);
        result.runs[j] = {positions.Start(first), positions.Start(next), runColors[j]};
    }
    MergeEqualNeighbours(result.runs);
    result.fits = true;
    return result;
}

}  // namespace lumivane
