#include "gradient/blends.h"
#include "gradient/grapheme.h"
#include "gradient/markup.h"

namespace lumivane {

std::vector<ColorRun> GradientRuns(std::u16string_view text, const std::vector<ColorValue>& colors,
                                   Blend blend) {
    const bool codeUnits = blend == Blend::Legacy;
    const std::size_t units = codeUnits ? text.size() : CountGraphemeClusters(text);
    const StretchList stretches = GradientStretches(colors, blend, units);
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
