// Perceptual blending: the stops are taken to OKLab once, each unit's L, a and b are
// interpolated linearly between the two stops around it, and the result is taken back
// to 8-bit sRGB through a threshold table instead of a power function per unit.
#include <algorithm>
#include <array>
#include <cmath>
#include <cstddef>

#include "gradient/detail/blend_stretches.h"
#include "gradient/oklab.h"

namespace lumivane::detail {
namespace {

// Between two stops, L, a and b are linear in t, so are the cone responses' cube
// roots, so every linear-light channel is a cubic polynomial in t: written once per
// pair of stops, it costs three multiply-adds per channel and unit instead of two
// matrices and three cubes.
struct CubicSegment {
    std::array<std::array<double, 4>, 3> channels;  // c0 + c1 t + c2 t^2 + c3 t^3

    CubicSegment(const Oklab& from, const Oklab& to) {
        // The cone responses' cube roots at t = 0 and their change up to t = 1.
        const std::array<double, 3> p = OklabToConeRoots(from), end = OklabToConeRoots(to);
        // (p + q t)^3 = p^3 + 3 p^2 q t + 3 p q^2 t^2 + q^3 t^3 for each response.
        std::array<std::array<double, 4>, 3> cubes{};
        for (std::size_t k = 0; k < 3; ++k) {
            const double q = end[k] - p[k];
            cubes[k] = {p[k] * p[k] * p[k], 3 * p[k] * p[k] * q, 3 * p[k] * q * q, q * q * q};
        }
        for (std::size_t channel = 0; channel < 3; ++channel) {
            for (std::size_t power = 0; power < 4; ++power) {
                channels[channel][power] = kConesToLinear[channel][0] * cubes[0][power] +
                                           kConesToLinear[channel][1] * cubes[1][power] +
                                           kConesToLinear[channel][2] * cubes[2][power];
            }
        }
    }

    double Linear(std::size_t channel, double t) const {
        const std::array<double, 4>& c = channels[channel];
        return ((c[3] * t + c[2]) * t + c[1]) * t + c[0];
    }

    double Slope(std::size_t channel, double t) const {
        const std::array<double, 4>& c = channels[channel];
        return (3 * c[3] * t + 2 * c[2]) * t + c[1];
    }

    // The t in (0, 1) where some channel turns (its slope is zero), in order:
    // between them every channel moves one way only.
    std::vector<double> TurningPoints() const {
        std::vector<double> points;
        for (const std::array<double, 4>& c : channels) {
            // 3 c3 t^2 + 2 c2 t + c1 = 0
            const double a = 3 * c[3], b = 2 * c[2];
            if (std::fabs(a) < 1e-12) {
                if (b != 0) points.push_back(-c[1] / b);
                continue;
            }
            const double discriminant = b * b - 4 * a * c[1];
            if (discriminant < 0) continue;
            const double root = std::sqrt(discriminant);
            points.push_back((-b - root) / (2 * a));
            points.push_back((-b + root) / (2 * a));
        }
        points.erase(std::remove_if(points.begin(), points.end(),
                                    [](double t) { return !(t > 0 && t < 1); }),
                     points.end());
        std::sort(points.begin(), points.end());
        return points;
    }
};

}  // namespace

void OklabBlend(const std::vector<Rgb>& stops, std::size_t units, HuePath /*hue*/,
                StretchList& out) {
    std::vector<CubicSegment> segments;
    segments.reserve(stops.size() - 1);
    for (std::size_t k = 0; k + 1 < stops.size(); ++k)
        segments.emplace_back(RgbToOklab(stops[k]), RgbToOklab(stops[k + 1]));
    const EncodingSteps& table = LinearEncodingSteps();

    const std::size_t last = stops.size() - 1;
    const double multiplier = StopMultiplier(stops.size(), units);
    const auto lowOf = [&](std::size_t i) {
        return std::min(static_cast<std::size_t>(static_cast<double>(i) * multiplier), last - 1);
    };
    const auto tOf = [&](std::size_t i, std::size_t low) {
        const double t = static_cast<double>(i) * multiplier - static_cast<double>(low);
        return t < 0.0 ? 0.0 : (t > 1.0 ? 1.0 : t);
    };
    const auto colorAt = [&](std::size_t i) {
        const std::size_t low = lowOf(i);
        const double t = tOf(i, low);
        // The stops themselves come out exactly, whatever the round trip's last bits.
        if (t == 0.0) return stops[low];
        if (t == 1.0) return stops[low + 1];
        const CubicSegment& segment = segments[low];
        return Rgb{EncodeLinearChannel(segment.Linear(0, t), table),
                   EncodeLinearChannel(segment.Linear(1, t), table),
                   EncodeLinearChannel(segment.Linear(2, t), table)};
    };
    // Roughly where the first channel reaches its next step, from its slope.
    const auto estimateEnd = [&](std::size_t i, Rgb color) {
        const std::size_t low = lowOf(i);
        const double t = tOf(i, low);
        const CubicSegment& segment = segments[low];
        const std::uint8_t values[3] = {color.red, color.green, color.blue};
        double first = HUGE_VAL;
        for (std::size_t channel = 0; channel < 3; ++channel) {
            const double slope = segment.Slope(channel, t);
            const std::uint8_t value = values[channel];
            double target;
            if (slope > 0 && value < 255) target = table.steps[value];
            else if (slope < 0 && value > 0) target = table.steps[value - 1];
            else continue;
            const double ahead = (target - segment.Linear(channel, t)) / slope / multiplier;
            if (ahead < first) first = ahead;
        }
        if (!(first < 1e15)) return units;
        return i + 1 + static_cast<std::size_t>(first > 0 ? first : 0);
    };

    // Between two stops, and between the points where a channel turns, every channel
    // moves one way only, so each colour's units lie together.
    // The last position stays in the last segment, at its t = 1.
    ForEachStopSegment(
        stops.size(), units, last - 1,
        [&](std::size_t low, double, std::size_t begin, std::size_t end) {
            std::size_t pieceBegin = begin;
            for (double turn : segments[low].TurningPoints()) {
                const double at = std::ceil((static_cast<double>(low) + turn) / multiplier);
                if (!(at > static_cast<double>(pieceBegin))) continue;
                const std::size_t pieceEnd =
                    at < static_cast<double>(end) ? static_cast<std::size_t>(at) : end;
                AppendMonotoneStretches(pieceBegin, pieceEnd,
                                        WidestChange(stops[low], stops[low + 1]), colorAt,
                                        estimateEnd, out);
                pieceBegin = pieceEnd;
            }
            AppendMonotoneStretches(pieceBegin, end, WidestChange(stops[low], stops[low + 1]),
                                    colorAt, estimateEnd, out);
        });
}

}  // namespace lumivane::detail
