// Straight RGB interpolation with the arithmetic of game-server markup's gradient
// tag: double-precision positions, a single-precision blend factor and channel sum,
// rounded half up. Built without fused multiply-add, so every build gives the same
// colours.
#include <algorithm>
#include <cmath>
#include <cstddef>

#include "gradient/blends.h"

namespace lumivane {
namespace {

std::uint8_t Lerp(int a, int b, float t) {
    const float product = t * static_cast<float>(b - a);
    const float sum = static_cast<float>(a) + product;
    // Round half up of a single-precision value: adding one half in double is exact.
    return static_cast<std::uint8_t>(std::floor(static_cast<double>(sum) + 0.5));
}

}  // namespace

void RgbBlend(const std::vector<Rgb>& stops, std::vector<Rgb>& out) {
    const std::size_t n = out.size();
    const std::size_t last = stops.size() - 1;
    const double multiplier =
        n == 1 ? 0.0 : static_cast<double>(last) / static_cast<double>(n - 1);
    for (std::size_t i = 0; i < n; ++i) {
        const double position = static_cast<double>(i) * multiplier;
        const auto low = std::min(static_cast<std::size_t>(std::floor(position)), last);
        const auto high = std::min(static_cast<std::size_t>(std::ceil(position)), last);
        float t = static_cast<float>(position) - static_cast<float>(low);
        t = std::min(1.0f, std::max(0.0f, t));
        const Rgb a = stops[low], b = stops[high];
        out[i] = {Lerp(a.red, b.red, t), Lerp(a.green, b.green, t), Lerp(a.blue, b.blue, t)};
    }
}

}  // namespace lumivane
