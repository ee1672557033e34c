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
    // Round half up of a single-precision value: adding one half in double is exact,
    // and the sum lies between a and b, so truncating is the floor.
    return static_cast<std::uint8_t>(static_cast<int>(static_cast<double>(sum) + 0.5));
}

class RgbGradient {
public:
    RgbGradient(const std::vector<Rgb>& stops, std::size_t units)
        : stops_(stops), last_(stops.size() - 1),
          multiplier_(units == 1 ? 0.0
                                 : static_cast<double>(last_) / static_cast<double>(units - 1)) {}

    double Position(std::size_t i) const { return static_cast<double>(i) * multiplier_; }

    // The stop at or below unit i's position: the segment the unit lies in.
    std::size_t Low(std::size_t i) const {
        return std::min(static_cast<std::size_t>(Position(i)), last_);
    }

    Rgb ColorAt(std::size_t i) const {
        const double position = Position(i);
        // Floor and ceiling of a position that is never negative.
        const auto whole = static_cast<std::size_t>(position);
        const std::size_t low = std::min(whole, last_);
        const std::size_t high =
            std::min(whole + (position > static_cast<double>(whole) ? 1 : 0), last_);
        float t = static_cast<float>(position) - static_cast<float>(low);
        t = std::min(1.0f, std::max(0.0f, t));
        const Rgb a = stops_[low], b = stops_[high];
        return {Lerp(a.red, b.red, t), Lerp(a.green, b.green, t), Lerp(a.blue, b.blue, t)};
    }

    // Roughly the first unit after i, in segment `low`, whose colour differs from
    // `color`: where the exact blend of the channel that changes first crosses the
    // next half-way mark.
    std::size_t EstimateEnd(std::size_t i, std::size_t low, Rgb color) const {
        if (low >= last_ || multiplier_ == 0) return i + 1;
        const Rgb a = stops_[low], b = stops_[low + 1];
        double first = HUGE_VAL;
        const int from[3] = {a.red, a.green, a.blue}, to[3] = {b.red, b.green, b.blue};
        const int now[3] = {color.red, color.green, color.blue};
        for (int k = 0; k < 3; ++k) {
            if (from[k] == to[k] || now[k] == to[k]) continue;
            const double mark = now[k] + (to[k] > from[k] ? 0.5 : -0.5);
            const double t = (mark - from[k]) / (to[k] - from[k]);
            first = std::fmin(first, (static_cast<double>(low) + t) / multiplier_);
        }
        if (!(first < 1e18)) return ~std::size_t{0};
        const double unit = std::ceil(first);
        return unit <= static_cast<double>(i) ? i + 1 : static_cast<std::size_t>(unit);
    }

    // The first unit after `begin` (of `units`) that lies in a later segment.
    std::size_t SegmentEnd(std::size_t begin, std::size_t units) const {
        const std::size_t low = Low(begin);
        std::size_t end = units;
        if (low < last_ && multiplier_ > 0) {
            // Estimated from where the position reaches the next stop, then settled.
            const double estimate = std::ceil(static_cast<double>(low + 1) / multiplier_);
            if (estimate < static_cast<double>(units)) end = static_cast<std::size_t>(estimate);
            if (end <= begin) end = begin + 1;
        }
        while (end < units && Low(end) == low) ++end;
        while (end - 1 > begin && Low(end - 1) != low) --end;
        return end;
    }

private:
    const std::vector<Rgb>& stops_;
    std::size_t last_;
    double multiplier_;
};

}  // namespace

void RgbBlend(const std::vector<Rgb>& stops, std::size_t units, StretchList& out) {
    const RgbGradient gradient(stops, units);
    // Within one segment (the units between the same two stops) every channel moves
    // one way only, from one stop towards the next, so each colour's units lie together.
    for (std::size_t begin = 0; begin < units;) {
        const std::size_t low = gradient.Low(begin);
        const std::size_t end = gradient.SegmentEnd(begin, units);
        const int widest = low + 1 < stops.size() ? WidestChange(stops[low], stops[low + 1]) : 0;
        AppendMonotoneStretches(
            begin, end, widest, [&](std::size_t i) { return gradient.ColorAt(i); },
            [&](std::size_t i, Rgb color) { return gradient.EstimateEnd(i, low, color); }, out);
        begin = end;
    }
}

}  // namespace lumivane
