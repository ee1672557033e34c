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

std::vector<Rgb> GradientColors(const std::vector<ColorValue>& colors, Blend blend,
                                std::size_t unitCount) {
    CheckGradientColorCount(colors.size());
    std::vector<Rgb> stops;
    stops.reserve(colors.size());
    for (ColorValue color : colors) stops.push_back(SplitColorValue(color));

    std::vector<Rgb> out(unitCount);
    switch (blend) {
    case Blend::Legacy: LegacyBlend(stops, out); break;
    case Blend::Rgb: RgbBlend(stops, out); break;
    case Blend::Oklab: OklabBlend(stops, out); break;
    }
    return out;
}

}  // namespace lumivane
