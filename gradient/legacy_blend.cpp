// The classic fade generalised to k colours: the text is cut into k - 1 parts, and
// each part fades from its colour to the next one exactly as a classic part does.
// With three colours this gives the classic fade's colours bit for bit.
#include <cmath>
#include <cstddef>

#include "fade/three_color_fade.h"
#include "gradient/detail/blend_stretches.h"

namespace lumivane::detail {
namespace {

// One channel of one part: position i (1-based in the part) has the value
// RoundHalfEven(from + i * step), product and sum each rounded to double, in this
// order, as the classic fade computes it.
struct Ramp {
    int from;
    double step;

    int At(std::size_t i) const {
        const double product = static_cast<double>(i) * step;
        const double sum = static_cast<double>(from) + product;
        return static_cast<int>(RoundHalfEven(sum));
    }

    // Roughly the first position whose value differs from `value`.
    double NextChange(int value) const {
        if (step == 0) return HUGE_VAL;
        return std::ceil((value + (step > 0 ? 0.5 : -0.5) - from) / step);
    }
};

// The units of one part, [begin, begin + length), fading from `from` (never reached)
// to `to` (the last unit). Every channel moves one way only, so each colour's units
// lie together.
void FadePart(Rgb from, Rgb to, std::size_t begin, std::size_t length, StretchList& out) {
    const double count = static_cast<double>(length);
    const Ramp ramps[3] = {{from.red, (to.red - from.red) / count},
                           {from.green, (to.green - from.green) / count},
                           {from.blue, (to.blue - from.blue) / count}};
    const auto colorAt = [&](std::size_t unit) {
        const std::size_t i = unit - begin + 1;
        return Rgb{static_cast<std::uint8_t>(ramps[0].At(i)),
                   static_cast<std::uint8_t>(ramps[1].At(i)),
                   static_cast<std::uint8_t>(ramps[2].At(i))};
    };
    const auto estimateEnd = [&](std::size_t unit, Rgb color) {
        const double next = std::fmin(std::fmin(ramps[0].NextChange(color.red),
                                                ramps[1].NextChange(color.green)),
                                      ramps[2].NextChange(color.blue));
        // Back to units; past the part (or not a number) means the part's end.
        if (!(next < count + 1)) return begin + length;
        const double position = static_cast<double>(unit - begin + 1);
        return next <= position ? unit + 1 : begin + static_cast<std::size_t>(next) - 1;
    };
    AppendMonotoneStretches(begin, begin + length, WidestChange(from, to), colorAt, estimateEnd, out);
}

}  // namespace

void LegacyBlend(const std::vector<Rgb>& stops, std::size_t units, HuePath /*hue*/,
                  StretchList& out) {
    const std::size_t parts = stops.size() - 1;
    std::size_t partBegin = 0;
    for (std::size_t j = 1; j <= parts; ++j) {
        // Part j ends after unit RoundHalfEven(n * j / (k - 1)); the last one after unit n.
        const auto partEnd = static_cast<std::size_t>(
            RoundHalfEven(static_cast<double>(static_cast<unsigned long long>(units) * j) /
                          static_cast<double>(parts)));
        if (partEnd > partBegin) FadePart(stops[j - 1], stops[j], partBegin, partEnd - partBegin, out);
        partBegin = partEnd;
    }
}

}  // namespace lumivane::detail
