// Colour conversions of the perceptual blend: 8-bit sRGB, linear light and OKLab
// (Bjorn Ottosson's matrices), in double precision.
#pragma once

#include <array>
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
LinearRgb OklabToLinear(Oklab color);

Oklab RgbToOklab(Rgb color);

// Linear light (clamped to [0, 1]) to an 8-bit sRGB channel, rounded half up, by a
// binary search in a table of the 255 linear values where the result steps up.
std::uint8_t EncodeLinearChannel(double linear);

}  // namespace lumivane
