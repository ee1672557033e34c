// Fitting a gradient line into a chat's length limit: the longest, finest gradient
// whose line is at most `limit` UTF-16 code units long.
#pragma once

#include <cstddef>
#include <string_view>
#include <vector>

#include "gradient/blend.h"
#include "gradient/markup.h"

namespace lumivane {

struct FitResult {
    bool fits;                   // false: not even a line with one run fits
    std::vector<ColorRun> runs;  // the fitted runs when fits
    // The shortest limit at which this line fits at all (its line with a single run,
    // or with none for an empty text); set whether or not it fits.
    std::size_t shortestLimit;
};

// Lengths count the line without line ending, in UTF-16 code units. In order:
// 1. one run per unit, if that fits;
// 2. else neighbouring units of identical colour merged into one run, if that fits;
// 3. else the largest T < n (units) whose line of T runs fits: run j holds units
//    floor(j n / T) up to floor((j + 1) n / T) - 1 and takes the colour of unit j of a
//    T-unit gradient; then neighbouring runs of identical colour are merged;
// 4. else it does not fit. The text itself is never cut, and runs only end between
//    units, so a character is never split.
// Throws std::invalid_argument for Markup::Ansi (a terminal has no limit) and for a
// colour count outside kMinGradientColors..kMaxGradientColors.
FitResult FitGradientLine(std::u16string_view text, const std::vector<ColorValue>& colors,
                          GradientBlend blend, const LineStyle& style, std::size_t limit);

// Joins neighbouring runs of identical colour into one.
void MergeEqualNeighbours(std::vector<ColorRun>& runs);

}  // namespace lumivane
