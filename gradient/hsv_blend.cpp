// Blending round the hue wheel in hexcone HSV, the hue, saturation and value of
// colour pickers, on 8-bit sRGB.
#include <algorithm>
#include <cmath>
#include <cstddef>

#include "gradient/detail/blend_stretches.h"
#include "gradient/detail/curve_stretches.h"
#include "gradient/detail/hue_curves.h"
#include "gradient/detail/hue_path.h"

namespace lumivane::detail {
namespace {

struct Hsv {
    double hue;  // degrees; 0 for a grey
    double saturation;
    double value;
    bool grey;
};

Hsv ToHsv(Rgb c) {
    const double r = c.red / 255.0, g = c.green / 255.0, b = c.blue / 255.0;
    const double most = std::max({r, g, b}), least = std::min({r, g, b});
    const double range = most - least;
    Hsv hsv{0.0, most == 0.0 ? 0.0 : range / most, most, range == 0.0};
    if (!hsv.grey) {
        double sector;
        if (most == r) sector = (g - b) / range + (g < b ? 6.0 : 0.0);
        else if (most == g) sector = (b - r) / range + 2.0;
        else sector = (r - g) / range + 4.0;
        hsv.hue = sector * 60.0;
    }
    return hsv;
}

}  // namespace

HsvCurve::HsvCurve(Rgb from, Rgb to, HuePath path) {
    const Hsv a = ToHsv(from), b = ToHsv(to);
    const HueEnds hues = AlongHuePath(a.hue, a.grey, b.hue, b.grey, path);
    hue_ = hues.from;
    hueChange_ = hues.to - hues.from;
    saturation_ = a.saturation;
    saturationChange_ = b.saturation - a.saturation;
    value_ = a.value;
    valueChange_ = b.value - a.value;
}

std::array<double, 3> HsvCurve::Channels(double t) const { return PointAt(t).value; }

CurvePoint HsvCurve::PointAt(double t) const {
    const double hue = (hue_ + t * hueChange_) / 60.0;
    const double saturation = saturation_ + t * saturationChange_;
    const double value = value_ + t * valueChange_;
    const double chroma = value * saturation;
    const double chromaSlope = valueChange_ * saturation + value * saturationChange_;
    CurvePoint point{};
    // Each channel is the value less the part of the chroma that its distance round
    // the wheel from the hue takes away: none within 60 degrees of the channel's own
    // colour, all from 120 degrees away, in proportion between. `offset` puts the
    // channel's own colour at k = 5.
    const double offsets[3] = {5.0, 3.0, 1.0};
    for (std::size_t channel = 0; channel < 3; ++channel) {
        // Brought into [0, 6) by whole turns, exactly (fmod would cost more than the rest).
        double k = offsets[channel] + hue;
        while (k >= 6.0) k -= 6.0;
        while (k < 0.0) k += 6.0;
        const double away = std::max(0.0, std::min({k, 4.0 - k, 1.0}));
        // How fast `away` changes with k: it rises over [0, 1] and falls over [3, 4].
        const double awaySlope = k < 1.0 ? 1.0 : (k > 3.0 && k < 4.0 ? -1.0 : 0.0);
        point.value[channel] = value - chroma * away;
        point.slope[channel] =
            valueChange_ - chromaSlope * away - chroma * awaySlope * hueChange_ / 60.0;
    }
    return point;
}

void HsvBlend(const std::vector<Rgb>& stops, std::size_t units, HuePath hue, StretchList& out) {
    AppendCurveBlend<HsvCurve>(stops, units, hue, out);
}

}  // namespace lumivane::detail
