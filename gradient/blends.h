// The three blends, each filling `out` with the colours of out.size() units between
// the already split stops (at least two). Used by GradientColors.
#pragma once

#include <vector>

#include "gradient/blend.h"

namespace lumivane {

void LegacyBlend(const std::vector<Rgb>& stops, std::vector<Rgb>& out);
void RgbBlend(const std::vector<Rgb>& stops, std::vector<Rgb>& out);
void OklabBlend(const std::vector<Rgb>& stops, std::vector<Rgb>& out);

}  // namespace lumivane
