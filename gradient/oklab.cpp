#include "gradient/oklab.h"

#include <array>
#include <cmath>
#include <stdexcept>

namespace lumivane {

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

Oklab RgbToOklab(Rgb color) {
    // The same values as SrgbToLinear(v / 255.0), computed once for each 8-bit value.
    static const std::array<double, 256> linear = [] {
        std::array<double, 256> made{};
        for (std::size_t v = 0; v < made.size(); ++v)
            made[v] = SrgbToLinear(static_cast<double>(v) / 255.0);
        return made;
    }();
    return LinearToOklab({linear[color.red], linear[color.green], linear[color.blue]});
}

const EncodingSteps& LinearEncodingSteps() {
    static const EncodingSteps table = [] {
        EncodingSteps made{};
        // Encoding x rounds half up to v or more exactly when x * 255 >= v - 0.5.
        for (std::size_t v = 0; v < 255; ++v)
            made.steps[v] = SrgbToLinear((static_cast<double>(v) + 0.5) / 255.0);
        made.steps[255] = 2.0;
        std::size_t value = 0;
        for (std::size_t bucket = 0; bucket <= kEncodingBuckets; ++bucket) {
            const double start = static_cast<double>(bucket) / kEncodingBuckets;
            while (made.steps[value] <= start) ++value;
            made.first[bucket] = static_cast<std::uint8_t>(value);
            // The encoder takes at most one step inside a slice.
            const double end = static_cast<double>(bucket + 1) / kEncodingBuckets;
            if (value < 254 && made.steps[value + 1] < end)
                throw std::logic_error("sRGB encoding slices are too wide");
        }
        return made;
    }();
    return table;
}

}  // namespace lumivane
