#include "gradient/gradient.h"

#include "gradient/detail/blend_stretches.h"
#include "gradient/grapheme.h"

namespace lumivane {

std::vector<std::size_t> GradientUnitBounds(std::u16string_view text, GradientBlend blend) {
    if (InfoOf(blend).codeUnits) {
        std::vector<std::size_t> bounds(text.size() + 1);
        for (std::size_t i = 0; i < bounds.size(); ++i) bounds[i] = i;
        return bounds;
    }
    return GraphemeClusterBounds(text);
}

namespace detail {

StretchList GradientStretches(const std::vector<ColorValue>& colors, GradientBlend blend,
                              std::size_t unitCount) {
    CheckGradientColorCount(colors.size());
    std::vector<Rgb> stops;
    stops.reserve(colors.size());
    for (ColorValue color : colors) stops.push_back(SplitColorValue(color));

    StretchList stretches;
    SpreadBlend(blend, stops, unitCount, stretches);
    return stretches;
}

}  // namespace detail

using detail::ColorStretch;
using detail::StretchList;

std::vector<Rgb> GradientColors(const std::vector<ColorValue>& colors, GradientBlend blend,
                                std::size_t unitCount) {
    std::vector<Rgb> out;
    out.reserve(unitCount);
    const StretchList stretches = detail::GradientStretches(colors, blend, unitCount);
    for (const ColorStretch& stretch : stretches.Stretches())
        out.insert(out.end(), stretch.units, stretch.color);
    return out;
}

std::vector<ColorRun> GradientRuns(std::u16string_view text, const std::vector<ColorValue>& colors,
                                   GradientBlend blend) {
    const bool codeUnits = InfoOf(blend).codeUnits;
    const std::size_t units = codeUnits ? text.size() : CountGraphemeClusters(text);
    const StretchList stretches = detail::GradientStretches(colors, blend, units);
    std::vector<ColorRun> runs;
    runs.reserve(units);
    UnitWalker walker(text, codeUnits);
    std::size_t position = 0;
    for (const ColorStretch& stretch : stretches.Stretches()) {
        for (std::size_t unit = 0; unit < stretch.units; ++unit) {
            const std::size_t next = walker.Next();
            runs.push_back({position, next, stretch.color});
            position = next;
        }
    }
    return runs;
}

}  // namespace lumivane
