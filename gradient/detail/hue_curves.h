// The colours of the hue blends between two stops, as curves of the blend factor t
// in [0, 1]: the channels before rounding, for finding where they turn and step, and
// the 8-bit colour. Each curve goes round the hue wheel along the path it is given.
#pragma once

#include <array>
#include <cstdint>

#include "gradient/blend.h"
#include "gradient/oklab.h"

namespace lumivane::detail {

// The channels of a curve at one t and how fast each changes there (per unit of t).
struct CurvePoint {
    std::array<double, 3> value;
    std::array<double, 3> slope;
};

// OKLCh: the stops in OKLab as the oklab blend takes them, chroma sqrt(a^2 + b^2) and hue
// atan2(b, a); lightness, chroma and hue are interpolated linearly and taken back to
// linear-light sRGB, clipped to [0, 1] and encoded rounding half up.
class OklchCurve {
public:
    OklchCurve(Rgb from, Rgb to, HuePath path);
    static constexpr bool kSmooth = true;  // no corners: a colour can be told from a neighbour's

    // Linear light of red, green and blue at t, not clipped (t may lie a little
    // outside [0, 1]: the curve goes on smoothly).
    std::array<double, 3> Channels(double t) const;
    // The same channels, and their slopes.
    CurvePoint PointAt(double t) const;
    Rgb Encode(const std::array<double, 3>& channels) const {
        return {EncodeLinearChannel(channels[0], table_), EncodeLinearChannel(channels[1], table_),
                EncodeLinearChannel(channels[2], table_)};
    }
    Rgb ColorAt(double t) const { return Encode(Channels(t)); }
    // The least channel value that encodes to value + 1 or more (value < 255).
    double StepAbove(std::uint8_t value) const { return table_.steps[value]; }

private:
    // OKLab at t, with the cosine and sine of the hue there.
    Oklab OklabAt(double t, double& cosine, double& sine) const;
    // The cosine and sine of the hue at t, from the nearest of kHueAnchors + 1 evenly
    // spaced points where they are computed with the library's functions (each the first
    // time it is needed), turned on by a short Taylor series: within a few units in the
    // last place of std::cos and std::sin, and a fraction of their cost.
    void HueAt(double t, double& cosine, double& sine) const;

    static constexpr int kHueAnchors = 32;
    const EncodingSteps& table_;
    double lightness_, lightnessChange_;
    double chroma_, chromaChange_;
    double hue_, hueChange_;  // radians
    mutable std::array<double, kHueAnchors + 1> anchorCosines_{}, anchorSines_{};
    mutable std::uint64_t anchorsKnown_ = 0;
};

// Hexcone HSV of the 8-bit stops in double precision (saturation 0 for black); hue,
// saturation and value are interpolated linearly and taken back to sRGB, rounding
// half up.
class HsvCurve {
public:
    HsvCurve(Rgb from, Rgb to, HuePath path);
    static constexpr bool kSmooth = false;  // corners where the hue crosses a sector

    // Red, green and blue at t in [0, 1] (t may lie a little outside).
    std::array<double, 3> Channels(double t) const;
    // The same channels, and their slopes (one side's where a channel has a corner).
    CurvePoint PointAt(double t) const;
    Rgb Encode(const std::array<double, 3>& channels) const {
        return {Round(channels[0]), Round(channels[1]), Round(channels[2])};
    }
    Rgb ColorAt(double t) const { return Encode(Channels(t)); }
    // The least channel value that encodes to value + 1 or more (value < 255).
    double StepAbove(std::uint8_t value) const { return (value + 0.5) / 255.0; }

private:
    static std::uint8_t Round(double channel) {
        const double scaled = channel * 255.0 + 0.5;
        if (!(scaled > 0.0)) return 0;
        return scaled >= 255.0 ? 255 : static_cast<std::uint8_t>(scaled);
    }

    double hue_, hueChange_;  // degrees
    double saturation_, saturationChange_;
    double value_, valueChange_;
};

}  // namespace lumivane::detail
