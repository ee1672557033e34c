// The classic fade generalised to k colours: the text is cut into k - 1 parts, and
// each part fades from its colour to the next one exactly as a classic part does.
// With three colours this gives the classic fade's colours bit for bit.
#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>

#include "color/round_half_even.h"
#include "gradient/detail/blend_stretches.h"

namespace lumivane::detail {
namespace {

// A position as a double, through a signed integer, which converts in one instruction
// (positions stay far below 2^63).
double AsDouble(std::int64_t position) { return static_cast<double>(position); }
double AsDouble(std::size_t position) { return AsDouble(static_cast<std::int64_t>(position)); }

// One channel of one part: position i (1-based in the part) has the value
// RoundHalfEven(from + i * step), product and sum each rounded to double, in this
// order, as the classic fade computes it.
struct Ramp {
    int from;
    double step;
    double inverse;  // 1 / step, for estimates; 0 when the channel stays put

    Ramp(int fromValue, int toValue, std::size_t length)
        : from(fromValue),
          step((toValue - fromValue) / static_cast<double>(length)),
          inverse(toValue == fromValue ? 0.0
                                       : static_cast<double>(length) / (toValue - fromValue)) {}

    int At(std::size_t i) const {
        const double product = AsDouble(i) * step;
        const double sum = static_cast<double>(from) + product;
        return static_cast<int>(RoundHalfEven(sum));
    }

    struct Change {
        std::size_t at;  // length + 1 for none
        int value;       // the value from there on
    };

    // The first position after `i` whose value differs from `value` (the value at
    // `i`), and its value. At(i) is monotonic in i, since every rounding on the way
    // is, so the positions of one value lie together. The change is estimated from
    // where the sum crosses the next half-way mark, then settled with At itself: the
    // estimate only saves work, the answer is exact.
    Change NextChange(std::size_t i, int value, std::size_t length) const {
        if (step == 0) return {length + 1, value};
        const double estimate = (value + (step > 0 ? 0.5 : -0.5) - from) * inverse;
        std::size_t q = length + 1;
        if (!(estimate > AsDouble(i))) {
            q = i + 1;
        } else if (estimate < AsDouble(length)) {
            const auto whole = static_cast<std::int64_t>(estimate);
            // Rounded up.
            q = static_cast<std::size_t>(whole) + (AsDouble(whole) < estimate ? 1 : 0);
        }
        // Mostly the estimate is the change: both sides of it are computed at once.
        if (q <= length) {
            const int after = At(q);
            const int before = q - 1 == i ? value : At(q - 1);
            if (after != value && before == value) return {q, after};
        } else if (At(length) == value) {
            return {q, value};
        }
        while (q <= length && At(q) == value) ++q;
        while (q - 1 > i && At(q - 1) != value) --q;
        return {q, q <= length ? At(q) : value};
    }
};

// The `length` units of one part, fading from `from` (never reached) to `to` (the
// last unit). Where colours change slowly, each channel's next change is found on its
// own and a stretch ends at the first of them; where they change at almost every
// unit, each unit's colour is simply computed.
void FadePart(Rgb from, Rgb to, std::size_t length, StretchList& out) {
    const Ramp ramps[3] = {
        {from.red, to.red, length}, {from.green, to.green, length}, {from.blue, to.blue, length}};
    const auto colorOf = [](const int(&values)[3]) {
        return Rgb{static_cast<std::uint8_t>(values[0]), static_cast<std::uint8_t>(values[1]),
                   static_cast<std::uint8_t>(values[2])};
    };
    // Below this, finding where colours change costs more than it saves.
    constexpr std::size_t kShortestStretch = 6;
    if (length < kShortestStretch * static_cast<std::size_t>(WidestChange(from, to))) {
        for (std::size_t i = 1; i <= length; ++i) {
            const int values[3] = {ramps[0].At(i), ramps[1].At(i), ramps[2].At(i)};
            out.Add(1, colorOf(values));
        }
        return;
    }
    int values[3];
    Ramp::Change next[3];
    for (int k = 0; k < 3; ++k) {
        values[k] = ramps[k].At(1);
        next[k] = ramps[k].NextChange(1, values[k], length);
    }
    for (std::size_t i = 1; i <= length;) {
        const std::size_t end = std::min({next[0].at, next[1].at, next[2].at});
        out.Add(end - i, colorOf(values));
        i = end;
        for (int k = 0; k < 3 && i <= length; ++k) {
            if (next[k].at != i) continue;
            values[k] = next[k].value;
            next[k] = ramps[k].NextChange(i, values[k], length);
        }
    }
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
        if (partEnd > partBegin) FadePart(stops[j - 1], stops[j], partEnd - partBegin, out);
        partBegin = partEnd;
    }
}

}  // namespace lumivane::detail
