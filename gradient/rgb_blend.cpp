// Straight RGB interpolation with the arithmetic of game-server markup's gradient
// tag: double-precision positions, a single-precision blend factor and channel sum,
// rounded half up. Built without fused multiply-add, so every build gives the same
// colours.
#include <algorithm>
#include <cmath>
#include <cstddef>

#include "gradient/detail/blend_stretches.h"

namespace lumivane::detail {
namespace {

// The units whose position lies at or after stop `low` and before the next one:
// position = i * multiplier, t = float(position) - low clamped to [0, 1], and each
// channel a + t * (b - a) in single precision, rounded half up. (At a position that
// is exactly a stop, t is 0 and the channel is that stop's.)
class RgbSegment {
public:
    RgbSegment(Rgb from, Rgb to, std::size_t low, double multiplier)
        : low_(low),
          lowFloat_(static_cast<float>(low)),
          multiplier_(multiplier),
          inverseMultiplier_(multiplier > 0 ? 1.0 / multiplier : 0.0) {
        const int a[3] = {from.red, from.green, from.blue}, b[3] = {to.red, to.green, to.blue};
        for (int k = 0; k < 3; ++k) {
            from_[k] = a[k];
            fromFloat_[k] = static_cast<float>(a[k]);
            change_[k] = static_cast<float>(b[k] - a[k]);
            inverseChange_[k] = b[k] == a[k] ? 0.0 : 1.0 / (b[k] - a[k]);
            rising_[k] = b[k] > a[k];
        }
    }

    Rgb ColorAt(std::size_t i) const {
        const double position = static_cast<double>(i) * multiplier_;
        float t = static_cast<float>(position) - lowFloat_;
        t = std::min(1.0f, std::max(0.0f, t));
        return {Channel(0, t), Channel(1, t), Channel(2, t)};
    }

    // Roughly the first unit after i whose colour differs from `color`: where the
    // exact blend of the channel that changes first crosses its next half-way mark.
    std::size_t EstimateEnd(std::size_t i, Rgb color) const {
        const int now[3] = {color.red, color.green, color.blue};
        double first = HUGE_VAL;
        for (int k = 0; k < 3; ++k) {
            if (inverseChange_[k] == 0.0) continue;
            const double mark = now[k] + (rising_[k] ? 0.5 : -0.5);
            const double t = (mark - from_[k]) * inverseChange_[k];
            if (!(t < 1.0)) continue;  // the channel has reached the next stop
            const double unit = (static_cast<double>(low_) + t) * inverseMultiplier_;
            if (unit < first) first = unit;
        }
        if (!(first < 1e18)) return ~std::size_t{0};
        // About the ceiling: an estimate needs no more.
        return first < static_cast<double>(i) ? i + 1 : static_cast<std::size_t>(first) + 1;
    }

private:
    std::uint8_t Channel(int k, float t) const {
        const float product = t * change_[k];
        const float sum = fromFloat_[k] + product;
        // Round half up of a single-precision value: adding one half in double is
        // exact, and the sum lies between the two stops, so truncating is the floor.
        // NOLINTNEXTLINE(bugprone-incorrect-roundings): the sum is never negative
        return static_cast<std::uint8_t>(static_cast<int>(static_cast<double>(sum) + 0.5));
    }

    std::size_t low_;
    float lowFloat_;
    double multiplier_;
    double inverseMultiplier_;
    int from_[3];
    float fromFloat_[3];
    float change_[3];
    double inverseChange_[3];
    bool rising_[3];
};

}  // namespace

void RgbBlend(const std::vector<Rgb>& stops, std::size_t units, HuePath /*hue*/, StretchList& out) {
    const std::size_t last = stops.size() - 1;
    // Within one segment every channel moves one way only, from one stop towards the
    // next, so each colour's units lie together. A unit exactly at the last stop is a
    // segment of its own.
    ForEachStopSegment(
        stops.size(), units, last,
        [&](std::size_t low, double multiplier, std::size_t begin, std::size_t end) {
            const Rgb to = stops[std::min(low + 1, last)];
            const RgbSegment segment(stops[low], to, low, multiplier);
            AppendMonotoneStretches(
                begin, end, WidestChange(stops[low], to),
                [&](std::size_t i) { return segment.ColorAt(i); },
                [&](std::size_t i, Rgb color) { return segment.EstimateEnd(i, color); }, out);
        });
}

}  // namespace lumivane::detail
