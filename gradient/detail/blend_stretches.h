// The blends. Each gives the colours of `units` units between the already split
// stops (at least two) as stretches of equal colour, which is how long gradients are
// written fast: the colour of a unit changes only every few units. Used by
// GradientColors and the line writer.
#pragma once

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdlib>
#include <vector>

#include "gradient/blend.h"
#include "gradient/markup.h"

namespace lumivane::detail {

struct ColorStretch {
    std::size_t units;
    Rgb color;
};

// The largest change of any channel between two colours.
inline int WidestChange(Rgb a, Rgb b) {
    return std::max(
        {std::abs(a.red - b.red), std::abs(a.green - b.green), std::abs(a.blue - b.blue)});
}

class StretchList {
public:
    // Appends `units` units of `color`, joining the last stretch when it has that colour.
    void Add(std::size_t units, Rgb color) {
        if (!stretches_.empty() && stretches_.back().color == color)
            stretches_.back().units += units;
        else stretches_.push_back({units, color});
    }
    const std::vector<ColorStretch>& Stretches() const { return stretches_; }

private:
    std::vector<ColorStretch> stretches_;
};

// The colours of `units` units between `stops` in the blend the table gives `blend`.
void SpreadBlend(GradientBlend blend, const std::vector<Rgb>& stops, std::size_t units,
                 StretchList& out);

// Each blend's colours of `units` units between `stops` (at least two), along `hue`
// where the blend goes round the hue wheel.
void LegacyBlend(const std::vector<Rgb>& stops, std::size_t units, HuePath hue, StretchList& out);
void RgbBlend(const std::vector<Rgb>& stops, std::size_t units, HuePath hue, StretchList& out);
void OklabBlend(const std::vector<Rgb>& stops, std::size_t units, HuePath hue, StretchList& out);
void OklchBlend(const std::vector<Rgb>& stops, std::size_t units, HuePath hue, StretchList& out);
void HsvBlend(const std::vector<Rgb>& stops, std::size_t units, HuePath hue, StretchList& out);

// The colours of a line's units as its markup shows them, in stretches: for a palette
// markup each colour is its nearest palette colour, and stretches of one palette
// colour are joined.
StretchList MarkupStretches(const std::vector<ColorValue>& colors, GradientBlend blend,
                            std::size_t unitCount, Markup markup);

// The colours of `unitCount` units as stretches; throws std::invalid_argument unless
// kMinGradientColors <= colors.size() <= kMaxGradientColors.
StretchList GradientStretches(const std::vector<ColorValue>& colors, GradientBlend blend,
                              std::size_t unitCount);

// Appends the colours of units [begin, end) in stretches, for a colour that is
// monotone in every channel over that range and changes by at most `widestChange`
// in any channel: the units of one colour then lie together, so each stretch takes
// a few evaluations of colorAt(i) from an estimate estimateEnd(i, color) of the first
// unit after it. The estimate only saves work; the stretches are exact whatever it
// says. Where stretches would be short, each unit is simply evaluated.
template <typename ColorAt, typename EstimateEnd>
void AppendMonotoneStretches(std::size_t begin, std::size_t end, int widestChange,
                             const ColorAt& colorAt, const EstimateEnd& estimateEnd,
                             StretchList& out) {
    if (begin >= end) return;
    constexpr std::size_t kShortestStretch = 6;  // below this, searching costs more than it saves
    if (end - begin < kShortestStretch * static_cast<std::size_t>(widestChange)) {
        for (std::size_t i = begin; i < end; ++i) out.Add(1, colorAt(i));
        return;
    }
    Rgb color = colorAt(begin);
    for (std::size_t i = begin; i < end;) {
        // Invariant: unit `low` has `color`; unit `high` has not (its colour is
        // `highColor` once known), or is `end`.
        std::size_t low = i, high = end;
        Rgb highColor{};
        bool knowHigh = false;
        const auto probe = [&](std::size_t unit) {
            const Rgb found = colorAt(unit);
            if (found == color) {
                low = unit;
                return true;
            }
            high = unit;
            highColor = found;
            knowHigh = true;
            return false;
        };
        std::size_t guess = estimateEnd(i, color);
        if (guess < i + 1) guess = i + 1;
        if (guess > end) guess = end;
        // The guess first, then the unit before it: a caller that keeps what it last
        // evaluated may tell that unit's colour from the guess's cheaply.
        if (guess - 1 == i || (guess < end && probe(guess))) {
            // Gallop past the guess until a unit of another colour is met.
            for (std::size_t step = 1; low + step < end && probe(low + step); step *= 2) {
            }
        } else {
            probe(guess - 1);
        }
        // NOLINTNEXTLINE(bugprone-infinite-loop): probe() moves low or high to the unit it looks at
        while (high - low > 1) probe(low + (high - low) / 2);
        out.Add(high - i, color);
        i = high;
        if (i < end) color = knowHigh ? highColor : colorAt(i);
    }
}

// Units placed between the stops as the rgb and oklab blends place them: unit i of
// `units` lies at position i * last / (units - 1), where stop k is at position k.
// Calls segment(low, multiplier, begin, end) for each range of units [begin, end) whose positions
// lie in [low, low + 1), with `low` at most `highestLow` (so that a blend can keep the
// last position in the last segment).
inline double StopMultiplier(std::size_t stopCount, std::size_t units) {
    return units == 1 ? 0.0 : static_cast<double>(stopCount - 1) / static_cast<double>(units - 1);
}

template <typename Segment>
void ForEachStopSegment(std::size_t stopCount, std::size_t units, std::size_t highestLow,
                        const Segment& segment) {
    const double multiplier = StopMultiplier(stopCount, units);
    const auto lowOf = [&](std::size_t i) {
        return std::min(static_cast<std::size_t>(static_cast<double>(i) * multiplier), highestLow);
    };
    for (std::size_t begin = 0; begin < units;) {
        const std::size_t low = lowOf(begin);
        // The segment ends where the position reaches the next stop: estimated, then settled.
        std::size_t end = units;
        if (low < highestLow && multiplier > 0) {
            const double reach = std::ceil(static_cast<double>(low + 1) / multiplier);
            if (reach < static_cast<double>(units)) end = static_cast<std::size_t>(reach);
            if (end <= begin) end = begin + 1;
        }
        while (end < units && lowOf(end) == low) ++end;
        while (end - 1 > begin && lowOf(end - 1) != low) --end;
        segment(low, multiplier, begin, end);
        begin = end;
    }
}

}  // namespace lumivane::detail
