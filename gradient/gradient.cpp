#include "gradient/gradient.h"

#include "gradient/blends.h"
#include "gradient/grapheme.h"

namespace lumivane {

std::vector<std::size_t> GradientUnitBounds(std::u16string_view text, Blend blend) {
    if (blend == Blend::Legacy) {
        std::vector<std::size_t> bounds(text.size() + 1);
        for (std::size_t i = 0; i < bounds.size(); ++i) bounds[i] = i;
        return bounds;
    }
    return GraphemeClusterBounds(text);
}

StretchList GradientStretches(const std::vector<ColorValue>& colors, Blend blend,
                              std::size_t unitCount) {
    CheckGradientColorCount(colors.size());
    std::vector<Rgb> stops;
    stops.reserve(colors.size());
    for (ColorValue color : colors) stops.push_back(SplitColorValue(color));

    StretchList stretches;
    switch (blend) {
    case Blend::Legacy: LegacyBlend(stops, unitCount, stretches); break;
    case Blend::Rgb: RgbBlend(stops, unitCount, stretches); break;
    case Blend::Oklab: OklabBlend(stops, unitCount, stretches); break;
    }
    return stretches;
}

std::vector<Rgb> GradientColors(const std::vector<ColorValue>& colors, Blend blend,
                                std::size_t unitCount) {
    std::vector<Rgb> out;
    out.reserve(unitCount);
    const StretchList stretches = GradientStretches(colors, blend, unitCount);
    for (const ColorStretch& stretch : stretches.Stretches())
        out.insert(out.end(), stretch.units, stretch.color);
    return out;
}

}  // namespace lumivane
