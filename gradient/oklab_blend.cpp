// Perceptual blending: the stops are taken to OKLab once, each unit's L, a and b are
// interpolated linearly between the two stops around it, and the result is taken back
// to 8-bit sRGB through a threshold table instead of a power function per unit.
#include <algorithm>
#include <cmath>
#include <cstddef>

#include "gradient/blends.h"
#include "gradient/oklab.h"

namespace lumivane {

void OklabBlend(const std::vector<Rgb>& stops, std::vector<Rgb>& out) {
    std::vector<Oklab> lab;
    lab.reserve(stops.size());
    for (Rgb stop : stops) lab.push_back(RgbToOklab(stop));

    const std::size_t n = out.size();
    const std::size_t last = stops.size() - 1;
    const double multiplier =
        n == 1 ? 0.0 : static_cast<double>(last) / static_cast<double>(n - 1);
    for (std::size_t i = 0; i < n; ++i) {
        const double position = static_cast<double>(i) * multiplier;
        const std::size_t low = std::min(static_cast<std::size_t>(position), last - 1);
        const double t = std::min(1.0, std::max(0.0, position - static_cast<double>(low)));
        // The stops themselves come out exactly, whatever the round trip's last bits.
        if (t == 0.0) {
            out[i] = stops[low];
            continue;
        }
        if (t == 1.0) {
            out[i] = stops[low + 1];
            continue;
        }
        const Oklab& a = lab[low];
        const Oklab& b = lab[low + 1];
        const LinearRgb c =
            OklabToLinear({a.L + t * (b.L - a.L), a.a + t * (b.a - a.a), a.b + t * (b.b - a.b)});
        out[i] = {EncodeLinearChannel(c.red), EncodeLinearChannel(c.green),
                  EncodeLinearChannel(c.blue)};
    }
}

}  // namespace lumivane
