// Colour conversions of the perceptual blend: 8-bit sRGB, linear light and OKLab
// (Bjorn Ottosson's matrices), in double precision.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

#include "gradient/blend.h"

namespace lumivane {

struct Oklab {
    double L;
    double a;
    double b;
};

struct LinearRgb {
    double red;
    double green;
    double blue;
};

// The sRGB transfer function and its inverse, on [0, 1].
double SrgbToLinear(double encoded);
double LinearToSrgb(double linear);

Oklab LinearToOklab(LinearRgb color);
// Inline: it runs for every unit of a perceptual gradient.
inline LinearRgb OklabToLinear(Oklab c) {
    const double l_ = c.L + 0.3963377774 * c.a + 0.2158037573 * c.b;
    const double m_ = c.L - 0.1055613458 * c.a - 0.0638541728 * c.b;
    const double s_ = c.L - 0.0894841775 * c.a - 1.2914855480 * c.b;
    const double l = l_ * l_ * l_, m = m_ * m_ * m_, s = s_ * s_ * s_;
    return {4.0767416621 * l - 3.3077115913 * m + 0.2309699292 * s,
            -1.2684380046 * l + 2.6097574011 * m - 0.3413193965 * s,
            -0.0041960863 * l - 0.7034186147 * m + 1.7076147010 * s};
}

Oklab RgbToOklab(Rgb color);

// Where the 8-bit sRGB encoding of linear light, rounded half up, steps up: steps[v]
// is the least linear value that encodes to v + 1 or more (v < 255). `first` holds,
// for each of kEncodingBuckets equal slices of [0, 1], the value its start encodes
// to. The slices are narrower than the closest two steps (near black), so a slice
// holds at most one step, and encoding is a look-up and one comparison instead of a
// power function.
constexpr std::size_t kEncodingBuckets = 4096;
struct EncodingSteps {
    std::array<double, 256> steps;  // steps[255] lies above 1: the walk ends there
    std::array<std::uint8_t, kEncodingBuckets + 1> first;
};
const EncodingSteps& LinearEncodingSteps();

// Linear light (clamped to [0, 1]) to an 8-bit sRGB channel, rounded half up.
inline std::uint8_t EncodeLinearChannel(double linear, const EncodingSteps& table) {
    if (!(linear > 0.0)) return 0;  // NaN too
    if (linear >= 1.0) return 255;
    std::size_t value = table.first[static_cast<std::size_t>(linear * kEncodingBuckets)];
    value += table.steps[value] <= linear ? 1u : 0u;
    return static_cast<std::uint8_t>(value);
}

inline std::uint8_t EncodeLinearChannel(double linear) {
    return EncodeLinearChannel(linear, LinearEncodingSteps());
}

}  // namespace lumivane
