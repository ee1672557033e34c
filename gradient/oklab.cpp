#include "gradient/oklab.h"

#include <algorithm>
#include <cmath>

namespace lumivane {
namespace {

// kSteps[v - 1] is the smallest linear value whose encoding rounds to v or more:
// encoding x rounds half up to v exactly when x * 255 >= v - 0.5.
std::array<double, 255> MakeSteps() {
    std::array<double, 255> steps{};
    for (int v = 1; v <= 255; ++v) steps[v - 1] = SrgbToLinear((v - 0.5) / 255.0);
    return steps;
}

}  // namespace

double SrgbToLinear(double encoded) {
    return encoded <= 0.04045 ? encoded / 12.92 : std::pow((encoded + 0.055) / 1.055, 2.4);
}

double LinearToSrgb(double linear) {
    return linear <= 0.0031308 ? 12.92 * linear : 1.055 * std::pow(linear, 1.0 / 2.4) - 0.055;
}

Oklab LinearToOklab(LinearRgb c) {
    const double l = 0.4122214708 * c.red + 0.5363325363 * c.green + 0.0514459929 * c.blue;
    const double m = 0.2119034982 * c.red + 0.6806995451 * c.green + 0.1073969566 * c.blue;
    const double s = 0.0883024619 * c.red + 0.2817188376 * c.green + 0.6299787005 * c.blue;
    const double l_ = std::cbrt(l), m_ = std::cbrt(m), s_ = std::cbrt(s);
    return {0.2104542553 * l_ + 0.7936177850 * m_ - 0.0040720468 * s_,
            1.9779984951 * l_ - 2.4285922050 * m_ + 0.4505937099 * s_,
            0.0259040371 * l_ + 0.7827717662 * m_ - 0.8086757660 * s_};
}

LinearRgb OklabToLinear(Oklab c) {
    const double l_ = c.L + 0.3963377774 * c.a + 0.2158037573 * c.b;
    const double m_ = c.L - 0.1055613458 * c.a - 0.0638541728 * c.b;
    const double s_ = c.L - 0.0894841775 * c.a - 1.2914855480 * c.b;
    const double l = l_ * l_ * l_, m = m_ * m_ * m_, s = s_ * s_ * s_;
    return {4.0767416621 * l - 3.3077115913 * m + 0.2309699292 * s,
            -1.2684380046 * l + 2.6097574011 * m - 0.3413193965 * s,
            -0.0041960863 * l - 0.7034186147 * m + 1.7076147010 * s};
}

Oklab RgbToOklab(Rgb color) {
    return LinearToOklab({SrgbToLinear(color.red / 255.0), SrgbToLinear(color.green / 255.0),
                          SrgbToLinear(color.blue / 255.0)});
}

std::uint8_t EncodeLinearChannel(double linear) {
    static const std::array<double, 255> steps = MakeSteps();
    if (!(linear > 0.0)) return 0;  // NaN too: it would compare false everywhere and land on 255
    return static_cast<std::uint8_t>(std::upper_bound(steps.begin(), steps.end(), linear) -
                                     steps.begin());
}

}  // namespace lumivane
