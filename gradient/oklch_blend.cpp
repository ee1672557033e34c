// Blending round the hue wheel in OKLCh: perceptual lightness and chroma as the oklab
// blend sees them, and a hue that goes the way the hue path says.
#include <cmath>
#include <cstddef>

#include "gradient/detail/blend_stretches.h"
#include "gradient/detail/curve_stretches.h"
#include "gradient/detail/hue_curves.h"
#include "gradient/detail/hue_path.h"

namespace lumivane::detail {
namespace {

constexpr double kPi = 3.14159265358979323846;

bool IsGrey(Rgb c) { return c.red == c.green && c.green == c.blue; }

}  // namespace

OklchCurve::OklchCurve(Rgb from, Rgb to, HuePath path) : table_(LinearEncodingSteps()) {
    const Oklab a = RgbToOklab(from), b = RgbToOklab(to);
    const double degrees = 180.0 / kPi;
    const HueEnds hues = AlongHuePath(std::atan2(a.b, a.a) * degrees, IsGrey(from),
                                      std::atan2(b.b, b.a) * degrees, IsGrey(to), path);
    lightness_ = a.L;
    lightnessChange_ = b.L - a.L;
    chroma_ = std::sqrt(a.a * a.a + a.b * a.b);
    chromaChange_ = std::sqrt(b.a * b.a + b.b * b.b) - chroma_;
    hue_ = hues.from / degrees;
    hueChange_ = (hues.to - hues.from) / degrees;
}

void OklchCurve::HueAt(double t, double& cosine, double& sine) const {
    const double scaled = t * kHueAnchors + 0.5;
    const int anchor =
        scaled < 0.0 ? 0 : (scaled >= kHueAnchors ? kHueAnchors : static_cast<int>(scaled));
    const double anchorT = static_cast<double>(anchor) / kHueAnchors;
    const auto slot = static_cast<std::size_t>(anchor);
    if (!(anchorsKnown_ >> slot & 1)) {
        const double hue = hue_ + anchorT * hueChange_;
        anchorCosines_[slot] = std::cos(hue);
        anchorSines_[slot] = std::sin(hue);
        anchorsKnown_ |= std::uint64_t{1} << slot;
    }
    // The hue changes by at most a turn over the segment, so the angle left is at most
    // pi / kHueAnchors (a little more just outside [0, 1]): the series' next terms are
    // below 1e-18.
    const double d = (t - anchorT) * hueChange_, d2 = d * d;
    const double sinD =
        d * (1 + d2 * (-1.0 / 6 + d2 * (1.0 / 120 + d2 * (-1.0 / 5040 + d2 * (1.0 / 362880)))));
    const double cosD =
        1 + d2 * (-0.5 +
                  d2 * (1.0 / 24 + d2 * (-1.0 / 720 + d2 * (1.0 / 40320 + d2 * (-1.0 / 3628800)))));
    cosine = anchorCosines_[slot] * cosD - anchorSines_[slot] * sinD;
    sine = anchorSines_[slot] * cosD + anchorCosines_[slot] * sinD;
}

Oklab OklchCurve::OklabAt(double t, double& cosine, double& sine) const {
    const double chroma = chroma_ + t * chromaChange_;
    HueAt(t, cosine, sine);
    return {lightness_ + t * lightnessChange_, chroma * cosine, chroma * sine};
}

std::array<double, 3> OklchCurve::Channels(double t) const {
    double cosine, sine;
    const LinearRgb c = OklabToLinear(OklabAt(t, cosine, sine));
    return {c.red, c.green, c.blue};
}

CurvePoint OklchCurve::PointAt(double t) const {
    double cosine, sine;
    const Oklab at = OklabAt(t, cosine, sine);
    const LinearRgb c = OklabToLinear(at);
    const double lightness = at.L, a = at.a, b = at.b, chroma = chroma_ + t * chromaChange_;
    // Each channel is a sum of cubes of the cone responses' roots, each linear in L, a
    // and b: its slope is the sum of 3 root^2 times the root's slope.
    const double aSlope = chromaChange_ * cosine - chroma * sine * hueChange_;
    const double bSlope = chromaChange_ * sine + chroma * cosine * hueChange_;
    double rootSquares[3], rootSlopes[3];
    for (std::size_t k = 0; k < 3; ++k) {
        const double root = lightness + kOklabToConeRoots[k][0] * a + kOklabToConeRoots[k][1] * b;
        rootSquares[k] = 3 * root * root;
        rootSlopes[k] =
            lightnessChange_ + kOklabToConeRoots[k][0] * aSlope + kOklabToConeRoots[k][1] * bSlope;
    }
    CurvePoint point{{c.red, c.green, c.blue}, {}};
    for (std::size_t channel = 0; channel < 3; ++channel) {
        for (std::size_t k = 0; k < 3; ++k)
            point.slope[channel] += kConesToLinear[channel][k] * rootSquares[k] * rootSlopes[k];
    }
    return point;
}

void OklchBlend(const std::vector<Rgb>& stops, std::size_t units, HuePath hue, StretchList& out) {
    AppendCurveBlend<OklchCurve>(stops, units, hue, out);
}

}  // namespace lumivane::detail
