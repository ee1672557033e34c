#include "gradient/blend.h"

#include <stdexcept>
#include <string>

namespace lumivane {

std::optional<Blend> ParseBlendName(std::string_view name) {
    if (name == "legacy") return Blend::Legacy;
    if (name == "rgb") return Blend::Rgb;
    if (name == "oklab") return Blend::Oklab;
    return std::nullopt;
}

std::string_view BlendName(Blend blend) {
    switch (blend) {
    case Blend::Legacy: return "legacy";
    case Blend::Rgb: return "rgb";
    case Blend::Oklab: return "oklab";
    }
    return "legacy";
}

void CheckGradientColorCount(std::size_t count) {
    if (count < kMinGradientColors || count > kMaxGradientColors)
        throw std::invalid_argument("a gradient takes " + std::to_string(kMinGradientColors) +
                                    " to " + std::to_string(kMaxGradientColors) + " colours, not " +
                                    std::to_string(count));
}

}  // namespace lumivane
