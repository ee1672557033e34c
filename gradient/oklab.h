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

// The way back from OKLab: the cube roots of the cone responses l, m and s are
// L + x a + y b with each row's (x, y); the cubes, mixed by kConesToLinear's rows,
// give linear red, green and blue.
inline constexpr double kOklabToConeRoots[3][2] = {
    {0.3963377774, 0.2158037573}, {-0.1055613458, -0.0638541728}, {-0.0894841775, -1.2914855480}};
inline constexpr double kConesToLinear[3][3] = {{4.0767416621, -3.3077115913, 0.2309699292},
                                                {-1.2684380046, 2.6097574011, -0.3413193965},
                                                {-0.0041960863, -0.7034186147, 1.7076147010}};

// The cube roots of the cone responses of `c`, l', m' and s'.
inline std::array<double, 3> OklabToConeRoots(Oklab c) {
    std::array<double, 3> roots{};
    for (std::size_t k = 0; k < 3; ++k)
        roots[k] = c.L + kOklabToConeRoots[k][0] * c.a + kOklabToConeRoots[k][1] * c.b;
    return roots;
}

inline LinearRgb OklabToLinear(Oklab c) {
    const std::array<double, 3> roots = OklabToConeRoots(c);
    double cones[3];
    for (std::size_t k = 0; k < 3; ++k) cones[k] = roots[k] * roots[k] * roots[k];
    double linear[3];
    for (std::size_t k = 0; k < 3; ++k) {
        linear[k] = kConesToLinear[k][0] * cones[0] + kConesToLinear[k][1] * cones[1] +
                    kConesToLinear[k][2] * cones[2];
    }
    return {linear[0], linear[1], linear[2]};
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
