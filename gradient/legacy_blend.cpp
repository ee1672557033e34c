// The classic fade generalised to k colours: the text is cut into k - 1 parts, and
// each part fades from its colour to the next one exactly as a classic part does.
// With three colours this gives the classic fade's colours bit for bit.
#include <cstddef>

#include "fade/three_color_fade.h"
#include "gradient/blends.h"

namespace lumivane {
namespace {

std::uint8_t Channel(int from, double step, std::size_t position) {
    // Product and sum each rounded to double, in this order, as the classic fade does.
    const double product = static_cast<double>(position) * step;
    const double sum = static_cast<double>(from) + product;
    return static_cast<std::uint8_t>(RoundHalfEven(sum));
}

// Units [begin, begin + length) fade from `from` (never reached) to `to` (the last unit).
void FadePart(Rgb from, Rgb to, Rgb* units, std::size_t length) {
    const double count = static_cast<double>(length);
    const double stepRed = static_cast<double>(to.red - from.red) / count;
    const double stepGreen = static_cast<double>(to.green - from.green) / count;
    const double stepBlue = static_cast<double>(to.blue - from.blue) / count;
    for (std::size_t i = 1; i <= length; ++i) {
        units[i - 1] = {Channel(from.red, stepRed, i), Channel(from.green, stepGreen, i),
                        Channel(from.blue, stepBlue, i)};
    }
}

}  // namespace

void LegacyBlend(const std::vector<Rgb>& stops, std::vector<Rgb>& out) {
    const std::size_t n = out.size();
    const std::size_t parts = stops.size() - 1;
    std::size_t partBegin = 0;
    for (std::size_t j = 1; j <= parts; ++j) {
        // Part j ends after unit RoundHalfEven(n * j / (k - 1)); the last one after unit n.
        const auto partEnd = static_cast<std::size_t>(
            RoundHalfEven(static_cast<double>(n * j) / static_cast<double>(parts)));
        if (partEnd > partBegin) FadePart(stops[j - 1], stops[j], out.data() + partBegin,
                                          partEnd - partBegin);
        partBegin = partEnd;
    }
}

}  // namespace lumivane
