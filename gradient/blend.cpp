#include "gradient/blend.h"

#include <stdexcept>
#include <string>

namespace lumivane {

Rgb SplitColorValue(ColorValue color) {
    const Components c = HexToComponents(ColorToHex(color));
    return {static_cast<std::uint8_t>(c.red), static_cast<std::uint8_t>(c.green),
            static_cast<std::uint8_t>(c.blue)};
}

void CheckGradientColorCount(std::size_t count) {
    if (count < kMinGradientColors || count > kMaxGradientColors)
        throw std::invalid_argument("a gradient takes " + std::to_string(kMinGradientColors) +
                                    " to " + std::to_string(kMaxGradientColors) + " colours, not " +
                                    std::to_string(count));
}

}  // namespace lumivane
