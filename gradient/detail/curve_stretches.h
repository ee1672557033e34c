// Stretches of equal colour for the blends whose channels between two stops are curves
// that may rise and fall (the hue blends): a colour costs far more than in the rgb
// blend, so a long line must not evaluate every unit. The segment is cut where a
// channel turns; between the cuts every channel moves one way only and
// AppendMonotoneStretches finds the stretches, and the few units around each cut are
// evaluated one by one.
#pragma once

#include <algorithm>
#include <array>
#include <cmath>
#include <cstddef>
#include <vector>

#include "gradient/detail/blend_stretches.h"
#include "gradient/detail/hue_curves.h"

namespace lumivane::detail {

// Where a segment's channels turn is found from their slopes at this many equal steps
// of its length, then narrowed by bisection to less than a unit. A turn missed between
// two samples would be a bump far smaller than one step of a channel.
constexpr std::size_t kCurveSamples = 64;
// Segments of at most this many units are simply evaluated unit by unit: the search
// would cost as much.
constexpr std::size_t kCurveUnitByUnit = 4 * kCurveSamples;

// Appends the colours of units [begin, end) between stops `from` and `to`: unit i lies
// at t = i * multiplier - low, clamped to [0, 1], and takes `from` where t is 0, `to`
// where t is 1 and curve.ColorAt(t) elsewhere. The Curve gives ColorAt(t), PointAt(t)
// (three channel values before rounding and their slopes, continuous in t but perhaps
// with corners, defined a little beyond [0, 1]), Encode(values), which must make
// ColorAt(t) of PointAt(t).value, StepAbove(value) (the least channel value encoded
// above `value`) and kSmooth (no corners, so a unit's colour may be told from its
// neighbour's channels and slopes). The stretches are exactly the unit-by-unit colours
// wherever the channels turn and bend no more sharply than the samples see.
template <typename Curve>
void AppendCurveStretches(const Curve& curve, Rgb from, Rgb to, std::size_t low, double multiplier,
                          std::size_t begin, std::size_t end, StretchList& out) {
    const auto tOf = [&](std::size_t i) {
        const double t = static_cast<double>(i) * multiplier - static_cast<double>(low);
        return t < 0.0 ? 0.0 : (t > 1.0 ? 1.0 : t);
    };
    const auto colorAt = [&](std::size_t i) {
        const double t = tOf(i);
        // The stops themselves come out exactly, whatever the round trip's last bits.
        if (t == 0.0) return from;
        if (t == 1.0) return to;
        return curve.ColorAt(t);
    };
    if (end - begin <= kCurveUnitByUnit) {
        for (std::size_t i = begin; i < end; ++i) out.Add(1, colorAt(i));
        return;
    }

    // Which way each channel moves at t; one that hardly moves has no direction.
    constexpr double kFlat = 1e-9;
    const auto signsOf = [&](const CurvePoint& point) {
        std::array<int, 3> signs{};
        for (std::size_t k = 0; k < 3; ++k)
            signs[k] = point.slope[k] > kFlat ? 1 : (point.slope[k] < -kFlat ? -1 : 0);
        return signs;
    };
    const auto slopes = [&](double t) { return signsOf(curve.PointAt(t)); };
    const double unitsPerT = 1.0 / multiplier;
    const double tBegin = tOf(begin), tEnd = tOf(end - 1);
    std::array<std::array<int, 3>, kCurveSamples + 1> sampled;
    std::array<double, kCurveSamples + 1> at;
    // How far a channel can bend away from its tangent over one unit: half the largest
    // change of its slope between samples, per unit squared, made four times larger
    // for what the samples do not see.
    std::array<double, 3> bend{};
    CurvePoint before{};
    for (std::size_t j = 0; j <= kCurveSamples; ++j) {
        at[j] = tBegin + (tEnd - tBegin) * static_cast<double>(j) / kCurveSamples;
        const CurvePoint point = curve.PointAt(at[j]);
        sampled[j] = signsOf(point);
        for (std::size_t k = 0; j > 0 && k < 3; ++k) {
            const double curvature =
                std::fabs(point.slope[k] - before.slope[k]) / (at[j] - at[j - 1]);
            bend[k] = std::max(bend[k], 4 * 0.5 * curvature * multiplier * multiplier);
        }
        before = point;
    }
    for (double& reach : bend) reach += 1e-12;  // and the last bits of the arithmetic

    // Units to evaluate one by one: [first, second), around each turn.
    std::vector<std::pair<std::size_t, std::size_t>> around;
    for (std::size_t k = 0; k < 3; ++k) {
        int lastSign = 0;
        std::size_t lastAt = 0;
        for (std::size_t j = 0; j <= kCurveSamples; ++j) {
            const int sign = sampled[j][k];
            if (sign == 0) continue;
            if (lastSign != 0 && sign != lastSign) {
                // The channel turns between at[lastAt] and at[j]: narrow that to under a
                // unit, or to a point where it stands still.
                double lowT = at[lastAt], highT = at[j];
                while ((highT - lowT) * unitsPerT > 0.5) {
                    const double middle = lowT + (highT - lowT) / 2;
                    const int middleSign = slopes(middle)[k];
                    if (middleSign == 0) {
                        lowT = highT = middle;
                    } else if (middleSign == lastSign) {
                        lowT = middle;
                    } else {
                        highT = middle;
                    }
                }
                const double first = std::floor((static_cast<double>(low) + lowT) * unitsPerT) - 1;
                const double last = std::ceil((static_cast<double>(low) + highT) * unitsPerT) + 2;
                around.emplace_back(
                    first <= static_cast<double>(begin) ? begin : static_cast<std::size_t>(first),
                    last >= static_cast<double>(end) ? end : static_cast<std::size_t>(last));
            }
            lastSign = sign;
            lastAt = j;
        }
    }
    std::sort(around.begin(), around.end());

    // The stretch search evaluates each unit with its slopes and keeps the last few, so
    // a stretch's estimate reuses the evaluation that found where the stretch starts.
    struct Seen {
        std::size_t unit;
        CurvePoint point;
    };
    std::array<Seen, 4> seen;
    for (Seen& s : seen) s.unit = ~std::size_t{0};  // no unit
    std::size_t seenNext = 0;
    const auto searchColorAt = [&](std::size_t i) {
        const double t = tOf(i);
        if (t == 0.0) return from;
        if (t == 1.0) return to;
        if constexpr (Curve::kSmooth) {
            // The unit just before the last one evaluated: its channels are that one's less
            // one unit's slope, give or take the bend. Where no rounding step lies within
            // that reach, the colour is known without evaluating the curve.
            const Seen& last = seen[(seenNext + seen.size() - 1) % seen.size()];
            if (last.unit == i + 1) {
                std::array<double, 3> lowest, highest;
                for (std::size_t k = 0; k < 3; ++k) {
                    const double value = last.point.value[k] - last.point.slope[k] * multiplier;
                    lowest[k] = value - bend[k];
                    highest[k] = value + bend[k];
                }
                const Rgb color = curve.Encode(lowest);
                if (color == curve.Encode(highest)) return color;
            }
        }
        Seen& s = seen[seenNext++ % seen.size()];
        s = {i, curve.PointAt(t)};
        return curve.Encode(s.point.value);
    };
    const auto pointOf = [&](std::size_t i) {
        for (const Seen& s : seen) {
            if (s.unit == i) return s.point;
        }
        return curve.PointAt(tOf(i));
    };
    // Roughly the first unit after i of another colour: where the first channel to get
    // there reaches its next step, from its slope.
    const auto estimateEnd = [&](std::size_t i, Rgb color) {
        const CurvePoint point = pointOf(i);
        const std::uint8_t values[3] = {color.red, color.green, color.blue};
        double first = HUGE_VAL;
        for (std::size_t k = 0; k < 3; ++k) {
            const double change = point.slope[k] * multiplier;  // over one unit
            double target;
            if (change > 0 && values[k] < 255) target = curve.StepAbove(values[k]);
            else if (change < 0 && values[k] > 0) target = curve.StepAbove(values[k] - 1);
            else continue;
            const double ahead = (target - point.value[k]) / change;
            if (ahead < first) first = ahead;
        }
        if (!(first < 1e15)) return end;
        return i + 1 + static_cast<std::size_t>(first > 0 ? first : 0);
    };
    const auto monotone = [&](std::size_t pieceBegin, std::size_t pieceEnd) {
        if (pieceBegin >= pieceEnd) return;
        // Over a monotone piece no channel changes more than between its ends.
        const int widest = WidestChange(colorAt(pieceBegin), colorAt(pieceEnd - 1));
        AppendMonotoneStretches(pieceBegin, pieceEnd, widest, searchColorAt, estimateEnd, out);
    };

    std::size_t next = begin;
    for (const auto& [first, last] : around) {
        monotone(next, first);
        for (std::size_t i = std::max(next, first); i < last; ++i) out.Add(1, colorAt(i));
        next = std::max(next, last);
    }
    monotone(next, end);
}

// A blend made of one Curve(from, to, hue) between each two stops, with units placed as
// the rgb and oklab blends place them. The last position stays in the last segment, at
// its t = 1.
template <typename Curve>
void AppendCurveBlend(const std::vector<Rgb>& stops, std::size_t units, HuePath hue,
                      StretchList& out) {
    std::vector<Curve> curves;
    curves.reserve(stops.size() - 1);
    for (std::size_t k = 0; k + 1 < stops.size(); ++k)
        curves.emplace_back(stops[k], stops[k + 1], hue);
    ForEachStopSegment(stops.size(), units, stops.size() - 2,
                       [&](std::size_t low, double multiplier, std::size_t begin, std::size_t end) {
                           AppendCurveStretches(curves[low], stops[low], stops[low + 1], low,
                                                multiplier, begin, end, out);
                       });
}

}  // namespace lumivane::detail
