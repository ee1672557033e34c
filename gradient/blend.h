// Blends: how a gradient's colours are spread over the units of a text.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

#include "color/color_value.h"

namespace lumivane {

enum class Blend {
    Legacy,  // the classic fade generalised to any number of colours; a unit is a code unit
    Rgb,     // straight RGB interpolation as game-server markup makes it; a unit is a character
    Oklab,   // perceptual interpolation in OKLab; a unit is a character
};

// One blend as the blend table describes it.
struct BlendInfo {
    Blend blend;
    std::string_view name;  // what --blend takes
    std::string_view help;  // what it does, for --help and the page
    bool codeUnits;         // a unit is a UTF-16 code unit, not a user-perceived character
};

// Every blend, in the order --help lists them: the one table of blends.
const std::vector<BlendInfo>& Blends();

// The table's row of `blend`.
const BlendInfo& InfoOf(Blend blend);

// "legacy", "rgb" or "oklab", exactly; anything else has no value.
std::optional<Blend> ParseBlendName(std::string_view name);

// The name ParseBlendName reads back.
std::string_view BlendName(Blend blend);

constexpr std::size_t kMinGradientColors = 2;
constexpr std::size_t kMaxGradientColors = 64;

// Throws std::invalid_argument unless kMinGradientColors <= count <= kMaxGradientColors.
void CheckGradientColorCount(std::size_t count);

}  // namespace lumivane
