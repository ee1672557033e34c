// Perceptual blending: the stops are taken to OKLab once, each unit's L, a and b are
// interpolated linearly between the two stops around it, and the result is taken back
// to 8-bit sRGB through a threshold table instead of a power function per unit.
#include <algorithm>
#include <array>
#include <cstddef>

#include "gradient/blends.h"
#include "gradient/oklab.h"

namespace lumivane {
namespace {

// Between two stops, L, a and b are linear in t, so are the cone responses' cube
// roots, so every linear-light channel is a cubic polynomial in t: written once per
// pair of stops, it costs three multiply-adds per channel and unit instead of two
// matrices and three cubes.
struct CubicSegment {
    std::array<std::array<double, 4>, 3> channels;  // c0 + c1 t + c2 t^2 + c3 t^3

    CubicSegment(const Oklab& from, const Oklab& to) {
        // The cone responses' cube roots at t = 0 and their change up to t = 1.
        const auto root = [](const Oklab& c) {
            return std::array<double, 3>{c.L + 0.3963377774 * c.a + 0.2158037573 * c.b,
                                         c.L - 0.1055613458 * c.a - 0.0638541728 * c.b,
                                         c.L - 0.0894841775 * c.a - 1.2914855480 * c.b};
        };
        const std::array<double, 3> p = root(from), end = root(to);
        // (p + q t)^3 = p^3 + 3 p^2 q t + 3 p q^2 t^2 + q^3 t^3 for each response.
        std::array<std::array<double, 4>, 3> cubes{};
        for (int k = 0; k < 3; ++k) {
            const double q = end[k] - p[k];
            cubes[k] = {p[k] * p[k] * p[k], 3 * p[k] * p[k] * q, 3 * p[k] * q * q, q * q * q};
        }
        static constexpr double kToLinear[3][3] = {{4.0767416621, -3.3077115913, 0.2309699292},
                                                   {-1.2684380046, 2.6097574011, -0.3413193965},
                                                   {-0.0041960863, -0.7034186147, 1.7076147010}};
        for (int channel = 0; channel < 3; ++channel) {
            for (int power = 0; power < 4; ++power) {
                channels[channel][power] = kToLinear[channel][0] * cubes[0][power] +
                                           kToLinear[channel][1] * cubes[1][power] +
                                           kToLinear[channel][2] * cubes[2][power];
            }
        }
    }

    double Linear(int channel, double t) const {
        const std::array<double, 4>& c = channels[channel];
        return ((c[3] * t + c[2]) * t + c[1]) * t + c[0];
    }
};

}  // namespace

void OklabBlend(const std::vector<Rgb>& stops, std::size_t units, StretchList& out) {
    std::vector<CubicSegment> segments;
    segments.reserve(stops.size() - 1);
    for (std::size_t k = 0; k + 1 < stops.size(); ++k)
        segments.emplace_back(RgbToOklab(stops[k]), RgbToOklab(stops[k + 1]));
    const EncodingSteps& steps = LinearEncodingSteps();

    const std::size_t last = stops.size() - 1;
    const double multiplier =
        units == 1 ? 0.0 : static_cast<double>(last) / static_cast<double>(units - 1);
    for (std::size_t i = 0; i < units; ++i) {
        const double position = static_cast<double>(i) * multiplier;
        const std::size_t low = std::min(static_cast<std::size_t>(position), last - 1);
        const double t = std::min(1.0, std::max(0.0, position - static_cast<double>(low)));
        // The stops themselves come out exactly, whatever the round trip's last bits.
        if (t == 0.0) {
            out.Add(1, stops[low]);
        } else if (t == 1.0) {
            out.Add(1, stops[low + 1]);
        } else {
            const CubicSegment& segment = segments[low];
            out.Add(1, {EncodeLinearChannel(segment.Linear(0, t), steps),
                        EncodeLinearChannel(segment.Linear(1, t), steps),
                        EncodeLinearChannel(segment.Linear(2, t), steps)});
        }
    }
}

}  // namespace lumivane
