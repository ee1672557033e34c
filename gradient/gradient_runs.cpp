#include "gradient/gradient.h"
#include "gradient/markup.h"

namespace lumivane {

std::vector<ColorRun> GradientRuns(std::u16string_view text, const std::vector<ColorValue>& colors,
                                   Blend blend) {
    const std::vector<std::size_t> bounds = GradientUnitBounds(text, blend);
    const std::vector<Rgb> unitColors = GradientColors(colors, blend, bounds.size() - 1);
    std::vector<ColorRun> runs(unitColors.size());
    for (std::size_t i = 0; i < runs.size(); ++i) runs[i] = {bounds[i], bounds[i + 1], unitColors[i]};
    return runs;
}

}  // namespace lumivane
