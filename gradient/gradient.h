// The gradient engine: the units of a text and the colour of each unit.
#pragma once

#include <cstddef>
#include <string_view>
#include <vector>

#include "gradient/blend.h"

namespace lumivane {

// Unit boundaries of `text` for `blend`, in UTF-16 code units: {0, b1, ..., text.size()},
// n + 1 entries for n units, {0} for an empty text. Legacy: every code unit is a unit.
// Rgb and Oklab: user-perceived characters (extended grapheme clusters), never split.
std::vector<std::size_t> GradientUnitBounds(std::u16string_view text, GradientBlend blend);

// The colour of each of `unitCount` units. Each ColorValue is split as the classic fade
// splits it (SplitColorValue). Throws std::invalid_argument unless
// kMinGradientColors <= colors.size() <= kMaxGradientColors.
std::vector<Rgb> GradientColors(const std::vector<ColorValue>& colors, GradientBlend blend,
                                std::size_t unitCount);

// One coloured run: code units [begin, end) of the text, one colour tag.
struct ColorRun {
    std::size_t begin;
    std::size_t end;
    Rgb color;
};

// One run per unit, coloured by GradientColors (and refusing the same colour counts):
// the line without a length limit.
std::vector<ColorRun> GradientRuns(std::u16string_view text, const std::vector<ColorValue>& colors,
                                   GradientBlend blend);

}  // namespace lumivane
